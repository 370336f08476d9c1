#include "PdfLayout.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QRectF boxOf(const QXmlStreamAttributes &a)
{
    const qreal x0 = a.value(u"xMin"_s).toDouble();
    const qreal y0 = a.value(u"yMin"_s).toDouble();
    return QRectF(x0, y0, a.value(u"xMax"_s).toDouble() - x0, a.value(u"yMax"_s).toDouble() - y0);
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

QList<PdfWord> PdfPage::wordsEqual(const QString &text) const
{
    QList<PdfWord> found;
    for (const PdfWord &w : words) {
        if (w.text == text)
            found.append(w);
    }
    return found;
}

QList<PdfLine> PdfPage::linesContaining(const QString &text) const
{
    QList<PdfLine> found;
    for (const PdfLine &l : lines) {
        if (l.text.contains(text))
            found.append(l);
    }
    return found;
}

QList<PdfPage> ReadPdfLayout(const QString &pdfPath)
{
    QList<PdfPage> pages;
    QXmlStreamReader xml(run(u"pdftotext"_s, { u"-bbox-layout"_s, pdfPath, u"-"_s }));
    QStringList lineWords;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"page") {
                pages.append(PdfPage());
                pages.last().size = QSizeF(
                    xml.attributes().value(u"width"_s).toDouble(), xml.attributes().value(u"height"_s).toDouble());
            } else if (name == u"line" && !pages.isEmpty()) {
                pages.last().lines.append({ QString(), boxOf(xml.attributes()) });
                lineWords.clear();
            } else if (name == u"word" && !pages.isEmpty()) {
                const QRectF box = boxOf(xml.attributes());
                const QString text = xml.readElementText();
                pages.last().words.append({ text, box });
                lineWords.append(text);
            }
        } else if (xml.isEndElement() && xml.name() == u"line" && !pages.isEmpty() && !pages.last().lines.isEmpty()) {
            pages.last().lines.last().text = lineWords.join(u' ');
        }
    }
    return pages;
}

QImage RenderPdfPage(const QString &pdfPath, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(u"page"_s);
    const QString number = QString::number(page + 1);
    run(u"pdftoppm"_s,
        { u"-r"_s, QString::number(dpi), u"-f"_s, number, u"-l"_s, number, u"-png"_s, u"-singlefile"_s, pdfPath,
            prefix });
    return QImage(prefix + u".png"_s);
}

QString PdfTitle(const QString &pdfPath)
{
    const QStringList rows = QString::fromUtf8(run(u"pdfinfo"_s, { pdfPath })).split(u'\n');
    for (const QString &row : rows) {
        if (row.startsWith(u"Title:"_s))
            return row.mid(6).trimmed();
    }
    return QString();
}

QStringList PdfFontNames(const QString &pdfPath)
{
    QStringList names;
    const QStringList rows = QString::fromUtf8(run(u"pdffonts"_s, { pdfPath })).split(u'\n');
    for (qsizetype i = 2; i < rows.size(); ++i) {
        const QString name = rows.at(i).section(u' ', 0, 0, QString::SectionSkipEmpty);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}
