#include "PdfLayout.h"

#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "TestPrinting.h"

#include "base/Clock.h"
#include "output/ListReport.h"
#include "output/ReportPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString ClosingBar = u"Stampa eseguita in data 05/03/2024"_s;

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(u"Riga%1 ROSSI MARIO"_s.arg(i, 4, 10, QChar(u'0')));
    return lines;
}

// Where each printed word stands on the page, top to bottom.
QList<qreal> topsOf(const PdfPage &page, const QString &prefix)
{
    QList<qreal> tops;
    for (const PdfWord &w : page.words) {
        if (w.text.startsWith(prefix))
            tops.append(w.box.top());
    }
    return tops;
}

bool pdfContains(const PdfPage &page, const QString &text)
{
    for (const PdfWord &w : page.words) {
        if (w.text.contains(text))
            return true;
    }
    return false;
}

} // namespace

// The printed list: title once, the body split over pages, the closing bar once after it.
class TestListReport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Prints the list as a list screen does, into a PDF; empty when nothing was printed.
    QString render(const QString &name, const QString &title, const QStringList &lines)
    {
        const QString path = m_dir.filePath(name);
        MessageRecorder messages;
        PdfPrinting printing(path);
        PrintListReport(nullptr, title, lines);
        if (messages.count() > 0)
            qWarning() << messages.lastText();
        return messages.count() == 0 && QFile::exists(path) ? path : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 41, 7)));
    }
    void cleanupTestCase() { Clock::reset(); }

    void emptyListGivesTitleThenClosingBar()
    {
        const QString pdf = render(u"empty.pdf"_s, u"Visitatori non ancora usciti"_s, {});
        const QList<PdfPage> pages = ReadPdfLayout(pdf);
        QCOMPARE(pages.size(), 1);
        const PdfPage &page = pages.first();
        QVERIFY(page.size.width() > page.size.height());
        const QList<PdfLine> title = page.linesContaining(u"Visitatori non ancora usciti"_s);
        const QList<PdfLine> bar = page.linesContaining(ClosingBar);
        QCOMPARE(title.size(), 1);
        QCOMPARE(bar.size(), 1);
        // Title band 8 mm, an empty body of 10 units, then the bar 2 mm into its band; both
        // texts sit centred in 5 mm boxes, so their tops differ by exactly that.
        const qreal expected = (8 + 2 - 1) * PointsPerMm + 10 * PointsPerUnit;
        QVERIFY2(qAbs(bar.first().box.top() - title.first().box.top() - expected) < 2.0,
            qPrintable(u"%1 vs %2"_s.arg(bar.first().box.top() - title.first().box.top()).arg(expected)));
        // Both bars centre their text in their boxes.
        QVERIFY(qAbs(title.first().box.center().x() - (10 + 2 + 273.0 / 2) * PointsPerMm) < 2.0);
        QVERIFY(qAbs(bar.first().box.center().x() - (10 + 3 + 272.0 / 2) * PointsPerMm) < 2.0);
    }

    void longListSpansPagesWithClosingBarAfterLastLine()
    {
        const QStringList lines = numberedLines(300);
        const QString pdf = render(u"long.pdf"_s, u"Riepilogo visite in archivio"_s, lines);
        const QList<PdfPage> pages = ReadPdfLayout(pdf);
        QVERIFY(pages.size() > 2);
        QCOMPARE(pages.size(), BuildListReport(u"x"_s, lines, QDate(2024, 3, 5)).pageCount());

        QStringList printed;
        const qreal bottom = pages.first().size.height() - 10 * PointsPerMm;
        for (int p = 0; p < pages.size(); ++p) {
            const PdfPage &page = pages.at(p);
            QCOMPARE(page.linesContaining(u"Riepilogo visite in archivio"_s).size(), p == 0 ? 1 : 0);
            QCOMPARE(page.linesContaining(ClosingBar).size(), p == pages.size() - 1 ? 1 : 0);
            const QList<qreal> tops = topsOf(page, u"Riga"_s);
            QVERIFY(!tops.isEmpty());
            for (qsizetype i = 1; i < tops.size(); ++i)
                QVERIFY(qAbs(tops.at(i) - tops.at(i - 1) - ListLinePitch * PointsPerUnit) < 0.5);
            // Continued pages start at the top margin; no line runs into the bottom margin.
            if (p > 0)
                QVERIFY(tops.first() < 10 * PointsPerMm + ListLinePitch * PointsPerUnit);
            for (const PdfWord &w : page.words) {
                QVERIFY(w.box.bottom() <= bottom);
                if (w.text.startsWith(u"Riga"_s))
                    printed.append(w.text);
            }
        }
        QStringList expected;
        for (const QString &line : lines)
            expected.append(line.section(u' ', 0, 0));
        QCOMPARE(printed, expected);

        const PdfPage &last = pages.last();
        const PdfLine bar = last.linesContaining(ClosingBar).first();
        QVERIFY(bar.box.top() > topsOf(last, u"Riga"_s).last());
    }

    void longLineIsCutNotWrapped()
    {
        QString longLine = u"INIZIO"_s;
        while (longLine.size() < 400)
            longLine += u"-0123456789"_s;
        longLine += u"FINE"_s;
        const QString pdf = render(u"cut.pdf"_s, u"Riepilogo"_s, { longLine, u"SUCCESSIVA"_s });
        const QList<PdfPage> pages = ReadPdfLayout(pdf);
        QCOMPARE(pages.size(), 1);
        const PdfPage &page = pages.first();
        QVERIFY(!pdfContains(page, u"FINE"_s));
        const QList<PdfLine> cut = page.linesContaining(u"INIZIO"_s);
        QCOMPARE(cut.size(), 1);
        // Cut at the memo's right edge (3 + 273 mm into the band), nowhere else; the character the
        // edge runs through counts whole in the text layer (a Courier 8 pt character is 4.8 pt).
        const qreal memoRight = (10 + 3 + 273) * PointsPerMm;
        QVERIFY2(cut.first().box.right() <= memoRight + 4.8, qPrintable(QString::number(cut.first().box.right())));
        QVERIFY(cut.first().box.right() > memoRight - 10);
        const QList<PdfLine> next = page.linesContaining(u"SUCCESSIVA"_s);
        QCOMPARE(next.size(), 1);
        QVERIFY(qAbs(next.first().box.top() - cut.first().box.top() - ListLinePitch * PointsPerUnit) < 0.5);
        QVERIFY(qAbs(next.first().box.left() - cut.first().box.left()) < 0.5);
    }

    // A break inside a list line prints as a blank and leaves the lines below at their rows.
    void breakInsideLinePrintsAsBlank()
    {
        const QString pdf
            = render(u"breaks.pdf"_s, u"Riepilogo"_s, { u"PRIMA\nMETA"_s, u"SECONDA\r\nX"_s, u"TERZA"_s });
        const QList<PdfPage> pages = ReadPdfLayout(pdf);
        QCOMPARE(pages.size(), 1);
        const PdfPage &page = pages.first();
        const QList<PdfLine> first = page.linesContaining(u"PRIMA META"_s);
        const QList<PdfLine> second = page.linesContaining(u"SECONDA X"_s);
        const QList<PdfLine> third = page.linesContaining(u"TERZA"_s);
        QCOMPARE(first.size(), 1);
        QCOMPARE(second.size(), 1);
        QCOMPARE(third.size(), 1);
        QVERIFY(qAbs(second.first().box.top() - first.first().box.top() - ListLinePitch * PointsPerUnit) < 0.5);
        QVERIFY(qAbs(third.first().box.top() - first.first().box.top() - 2 * ListLinePitch * PointsPerUnit) < 0.5);
    }

    void printThroughDialog_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("error");
        QTest::newRow("printed") << u"dialog.pdf"_s << true << false;
        QTest::newRow("cancelled") << QString() << false << false;
        QTest::newRow("output cannot be written") << u"missing/dialog.pdf"_s << false << true;
    }

    void printThroughDialog()
    {
        QFETCH(QString, target);
        QFETCH(bool, printed);
        QFETCH(bool, error);
        MessageRecorder recorder;
        const QString path = target.isEmpty() ? QString() : m_dir.filePath(target);
        PdfPrinting printing(path);
        PrintListReport(nullptr, u"Riepilogo rate in scadenza o scadute"_s, numberedLines(5));
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(!path.isEmpty() && QFile::exists(path), printed);
        QCOMPARE(recorder.count(), error ? 1 : 0);
        if (error) {
            QCOMPARE(recorder.lastKind(), MessageKind::Error);
            QCOMPARE(recorder.lastText(), PrintErrorMessage());
        }
        if (printed) {
            const QList<PdfPage> pages = ReadPdfLayout(path);
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages.first().size.width() > pages.first().size.height());
            QCOMPARE(pages.first().linesContaining(u"Riga0005"_s).size(), 1);
            QCOMPARE(pages.first().linesContaining(ClosingBar).size(), 1);
        }
    }

    void bodyIsCourierAndBarsVerdana()
    {
        const QString pdf = render(u"fonts.pdf"_s, u"Riepilogo"_s, numberedLines(3));
        const QString fonts = PdfFontNames(pdf).join(u' ');
        QVERIFY2(fonts.contains(u"LiberationMono"_s), qPrintable(fonts));
        QVERIFY2(fonts.contains(u"DejaVuSans-Bold"_s), qPrintable(fonts));
    }
};

QTEST_MAIN(TestListReport)
#include "TestListReport.moc"
