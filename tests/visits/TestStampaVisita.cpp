#include "PdfLayout.h"

#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "TestPrinting.h"

#include "base/Clock.h"
#include "output/ReportLayout.h"
#include "output/ReportPrinting.h"
#include "visits/StampaVisita.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// One value per card box, each a single distinct word so it can be found on the page.
const QStringList CardValues = {
    u"04/03/2024"_s,
    u"09:15"_s,
    u"BIANCHI"_s,
    u"ROSSI"_s,
    u"MARIO"_s,
    u"RSSMRA80A01H501U"_s,
    u"Consulenza"_s,
    u"T-0042"_s,
    u"Passaporto"_s,
    u"AX1234567"_s,
    u"Questura"_s,
    u"3331234567"_s,
    u"Nessuna"_s,
    u"06/03/2024"_s,
    u"17:30"_s,
    u"VERDI"_s,
};

const QString Foot = u"Stampa eseguita in data 05/03/2024 alle ore 09:41:07"_s;

// The two copies stand this far apart on the sheet, in report units.
constexpr qreal CopyDistance = 434.6 - 26.5;

// The card of these values in stored order; missing values stay empty.
TSchedaVisita cardOf(const QStringList &values)
{
    TSchedaVisita card;
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
        card.field(i) = values.value(i);
    return card;
}

// The window that opens the receipt, standing in for the visit editor.
class Owner : public QWidget
{
public:
    Owner() { resize(800, 600); }
};

QPushButton *button(QWidget *dialog, const QString &name)
{
    return dialog->findChild<QPushButton *>(name);
}

// The texts of the QR codes a reader finds in the image, one per code, sorted.
QStringList readQrCodes(const QString &image)
{
    QProcess zbar;
    zbar.start(u"zbarimg"_s, { u"--raw"_s, u"-q"_s, image });
    if (!zbar.waitForFinished(60000))
        return { u"zbarimg did not run"_s };
    QStringList codes = QString::fromUtf8(zbar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    codes.sort();
    return codes;
}

// The page's words that stand in none of the given lines, in the page's order.
QList<PdfWord> wordsOutside(const PdfPage &page, const QList<PdfLine> &lines)
{
    QList<PdfWord> words;
    for (const PdfWord &word : page.words) {
        const bool inside = std::any_of(
            lines.begin(), lines.end(), [&word](const PdfLine &line) { return line.box.contains(word.box.center()); });
        if (!inside)
            words.append(word);
    }
    return words;
}

} // namespace

// The visit receipt: the dialog, the sixteen rows on both copies, the foot, cancel and failures.
class TestStampaVisita : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Prints the card through the dialog's Stampa button into a PDF and reads it back.
    QList<PdfPage> printCard(TfrmStampaVisita &dialog, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        PdfPrinting printing(path);
        dialog.show();
        button(&dialog, u"btnStampa"_s)->click();
        if (printing.dialogs != 1 || dialog.isVisible())
            return {};
        return ReadPdfLayout(path);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 41, 7)));
    }
    void cleanupTestCase() { Clock::reset(); }

    void dialogShape()
    {
        Owner owner;
        TfrmStampaVisita dialog(&owner);
        QCOMPARE(dialog.objectName(), u"TfrmStampaVisita"_s);
        QCOMPARE(dialog.windowTitle(), u" Stampa scheda corrente"_s);
        QCOMPARE(dialog.size(), QSize(364, 287));
        QCOMPARE(button(&dialog, u"btnAnnulla"_s)->text(), u"Annulla"_s);
        QCOMPARE(button(&dialog, u"btnStampa"_s)->text(), u"Stampa"_s);
    }

    // Every value of the card on both copies at the same place of each copy.
    void bothCopiesCarryTheCard()
    {
        Owner owner;
        TfrmStampaVisita dialog(&owner);
        dialog.setCard(cardOf(CardValues));
        const QList<PdfPage> pages = printCard(dialog, u"card.pdf"_s);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(PdfTitle(m_dir.filePath(u"card.pdf"_s)), u"Scheda Visitatore"_s);
        const PdfPage &page = pages.first();
        QVERIFY(page.size.height() > page.size.width());

        const qreal cuttingLine = (10 * ReportLayout::UnitsPerMm + 385.5) * PointsPerUnit;
        const qreal valueLeft = (10 * ReportLayout::UnitsPerMm + 166.3) * PointsPerUnit;
        for (qsizetype i = 0; i < CardValues.size(); ++i) {
            QList<PdfWord> found = page.wordsEqual(CardValues.at(i));
            QCOMPARE(found.size(), 2);
            std::sort(found.begin(), found.end(),
                [](const PdfWord &a, const PdfWord &b) { return a.box.top() < b.box.top(); });
            const PdfWord &upper = found.at(0);
            const PdfWord &lower = found.at(1);
            QVERIFY(upper.box.bottom() < cuttingLine && lower.box.top() > cuttingLine);
            QVERIFY(qAbs(upper.box.left() - lower.box.left()) < 0.1);
            QVERIFY(qAbs(lower.box.top() - upper.box.top() - CopyDistance * PointsPerUnit) < 0.5);
            QVERIFY(qAbs(upper.box.left() - valueLeft) < 3);
            // Row i of the first copy: 26.5 + i * 18.9 units below the printable area's top.
            const qreal rowTop = (10 * ReportLayout::UnitsPerMm + 26.5 + i * 18.9) * PointsPerUnit;
            QVERIFY2(upper.box.top() > rowTop && upper.box.bottom() < rowTop + 17.4 * PointsPerUnit,
                qPrintable(CardValues.at(i)));
        }
        for (const QString &caption : { u"Cognome Visitatore:"_s, u"Motivo della visita:"_s, u"Ente di rilascio:"_s })
            QCOMPARE(page.linesContaining(caption).size(), 2);
        QCOMPARE(page.linesContaining(u"Registrato da:"_s).size(), 4);
        QCOMPARE(page.linesContaining(u"SCHEDA RIEPILOGATIVA INGRESSO E USCITA VISITATORE"_s).size(), 2);
        QCOMPARE(page.linesContaining(u"COPIA PER VISITATORE"_s).size(), 1);
        QCOMPARE(page.linesContaining(u"COPIA PER ENTE"_s).size(), 1);
        QVERIFY(page.linesContaining(u"COPIA PER VISITATORE"_s).first().box.bottom() < cuttingLine);
        QVERIFY(page.linesContaining(u"COPIA PER ENTE"_s).first().box.top() > cuttingLine);

        const QList<PdfLine> foot = page.linesContaining(Foot);
        QCOMPARE(foot.size(), 1);
        QVERIFY(foot.first().box.top() > (10 * ReportLayout::UnitsPerMm + 1020.4731) * PointsPerUnit);
        QVERIFY(foot.first().box.bottom() < page.size.height() - 10 * PointsPerMm);
    }

    // Strips, the foot and the cutting line stand where the layout puts them.
    void stripsAndCuttingLine()
    {
        TfrmStampaVisita dialog;
        dialog.setCard(cardOf(CardValues));
        const QList<PdfPage> pages = printCard(dialog, u"colours.pdf"_s);
        QCOMPARE(pages.size(), 1);
        const QImage image = RenderPdfPage(m_dir.filePath(u"colours.pdf"_s), 0, 96);
        QVERIFY(!image.isNull());
        const qreal margin = 10 * ReportLayout::UnitsPerMm;
        auto at = [&](qreal x, qreal y) { return image.pixelColor(int(margin + x), int(margin + y)); };
        const QColor steelBlue(176, 196, 222);
        QCOMPARE(at(8, 8), steelBlue);
        QCOMPARE(at(8, 416), steelBlue);
        QCOMPARE(at(420, 340), steelBlue);
        QCOMPARE(at(420, 748), steelBlue);
        QCOMPARE(at(405, 340), QColor(Qt::white));
        QCOMPARE(at(8, 1024), QColor(255, 215, 0));
        QVERIFY(at(359, 385.5).value() < 100);
        QVERIFY(at(359, 388).value() > 250);
        QVERIFY(at(158.7, 200).value() < 160);
    }

    void qrCodeOnBothCopies_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("position"); // 0: not saved yet
        QTest::addColumn<QString>("code");
        QTest::newRow("first card") << u"2024.vis"_s << 1 << u"PV:2024:1"_s;
        QTest::newRow("another year") << u"2026.vis"_s << 1234567 << u"PV:2026:1234567"_s;
        QTest::newRow("not saved yet") << u"2024.vis"_s << 0 << QString();
    }

    // The code of the card's place in the top right corner of each copy, its text under it, and
    // every value where it stands without a code.
    void qrCodeOnBothCopies()
    {
        QFETCH(QString, file);
        QFETCH(int, position);
        QFETCH(QString, code);
        TfrmStampaVisita plainDialog;
        plainDialog.setCard(cardOf(CardValues));
        const QList<PdfPage> plain = printCard(plainDialog, u"plain.pdf"_s);
        TfrmStampaVisita dialog;
        dialog.setCard(cardOf(CardValues));
        dialog.setPlace(file, position > 0 ? std::optional<int>(position) : std::nullopt);
        const QList<PdfPage> pages = printCard(dialog, u"code.pdf"_s);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(plain.size(), 1);

        const QString image = m_dir.filePath(u"code.png"_s);
        QVERIFY(RenderPdfPage(m_dir.filePath(u"code.pdf"_s), 0, 300).save(image));
        const QStringList expected = code.isEmpty() ? QStringList() : QStringList { code, code };
        QCOMPARE(readQrCodes(image), expected);

        const PdfPage &page = pages.first();
        const QList<PdfLine> small = code.isEmpty() ? QList<PdfLine>() : page.linesContaining(code);
        QCOMPARE(small.size(), expected.size());
        QCOMPARE(page.linesContaining(u"PV:"_s).size(), expected.size());
        const qreal margin = 10 * ReportLayout::UnitsPerMm;
        const qreal copyRight = (margin + 714.4) * PointsPerUnit;
        const qreal codeBottom = 22 * PointsPerMm;
        for (qsizetype i = 0; i < small.size(); ++i) {
            const qreal copyTop = (margin + (i == 0 ? 3.8 : 412.0)) * PointsPerUnit;
            const QRectF box = small.at(i).box;
            const qreal shortOf = box.top() - copyTop - codeBottom;
            QVERIFY2(shortOf > 0 && shortOf < 3, qPrintable(QString::number(shortOf)));
            QVERIFY(box.right() < copyRight && box.left() > copyRight - 22 * PointsPerMm);
            QVERIFY(qAbs(box.center().x() - (copyRight - 11 * PointsPerMm)) < 1);
            QVERIFY(box.height() < 9);
        }

        const QList<PdfLine> titles = page.linesContaining(u"SCHEDA RIEPILOGATIVA"_s);
        QCOMPARE(titles.size(), 2);
        const QList<PdfWord> before = wordsOutside(plain.first(), plain.first().linesContaining(u"SCHEDA"_s));
        const QList<PdfWord> after = wordsOutside(page, titles + small);
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            QCOMPARE(after.at(i).text, before.at(i).text);
            QVERIFY2((after.at(i).box.topLeft() - before.at(i).box.topLeft()).manhattanLength() < 0.01,
                qPrintable(before.at(i).text));
        }
        // Each title stays whole, left of the code.
        for (const PdfLine &title : titles) {
            QCOMPARE(title.text, u"SCHEDA RIEPILOGATIVA INGRESSO E USCITA VISITATORE"_s);
            if (!code.isEmpty())
                QVERIFY(title.box.right() < copyRight - 22 * PointsPerMm);
        }
    }

    void newCardPrintsEmptyExitRows()
    {
        QStringList values = CardValues.mid(0, 3);
        while (values.size() < 16)
            values.append(QString());
        TfrmStampaVisita dialog;
        dialog.setCard(cardOf(values));
        const QList<PdfPage> pages = printCard(dialog, u"new.pdf"_s);
        QCOMPARE(pages.size(), 1);
        const PdfPage &page = pages.first();
        QCOMPARE(page.wordsEqual(u"BIANCHI"_s).size(), 2);
        QCOMPARE(page.linesContaining(u"Data uscita:"_s).size(), 2);
        QCOMPARE(page.linesContaining(u"Ora uscita:"_s).size(), 2);
        for (const QString &absent : CardValues.mid(3))
            QCOMPARE(page.wordsEqual(absent).size(), 0);
    }

    void longNoteIsCutAtItsBox()
    {
        QString note = u"Inizio"_s;
        while (note.size() < 246)
            note += u" nota"_s;
        note = note.left(246) + u"FINE"_s;
        QStringList values = CardValues;
        values[12] = note;
        TfrmStampaVisita dialog;
        dialog.setCard(cardOf(values));
        const QList<PdfPage> pages = printCard(dialog, u"note.pdf"_s);
        QCOMPARE(pages.size(), 1);
        const PdfPage &page = pages.first();
        const QList<PdfLine> lines = page.linesContaining(u"Inizio nota"_s);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(page.linesContaining(u"FINE"_s).size(), 0);
        const qreal boxRight = (10 * ReportLayout::UnitsPerMm + 166.3 + 544.3) * PointsPerUnit;
        for (const PdfLine &line : lines) {
            // Cut at the value box's right edge: at most the character it runs through passes it.
            QVERIFY(line.box.right() <= boxRight + 5);
            QVERIFY(line.box.right() > boxRight - 15);
        }
    }

    void cancelPrintsNothingAndCloses()
    {
        MessageRecorder recorder;
        PdfPrinting printing { QString() };
        Owner owner;
        TfrmStampaVisita dialog(&owner);
        dialog.setCard(cardOf(CardValues));
        WhenModalShown([](QDialog *d) { button(d, u"btnStampa"_s)->click(); });
        dialog.exec();
        QCOMPARE(printing.dialogs, 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(recorder.count(), 0);
    }

    void annullaClosesWithoutPrintDialog()
    {
        PdfPrinting printing(m_dir.filePath(u"never.pdf"_s));
        Owner owner;
        TfrmStampaVisita dialog(&owner);
        dialog.setCard(cardOf(CardValues));
        WhenModalShown([](QDialog *d) { button(d, u"btnAnnulla"_s)->click(); });
        dialog.exec();
        QCOMPARE(printing.dialogs, 0);
        QVERIFY(!QFile::exists(m_dir.filePath(u"never.pdf"_s)));
    }

    // A printer that fails is reported, and the dialog stays so the operator can try again.
    void printErrorIsReportedAndDialogStays()
    {
        MessageRecorder recorder;
        PdfPrinting printing(m_dir.filePath(u"missing/card.pdf"_s));
        Owner owner;
        TfrmStampaVisita dialog(&owner);
        dialog.setCard(cardOf(CardValues));
        dialog.show();
        button(&dialog, u"btnStampa"_s)->click();
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.lastKind(), MessageKind::Error);
        QCOMPARE(recorder.lastText(), PrintErrorMessage());
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestStampaVisita)
#include "TestStampaVisita.moc"
