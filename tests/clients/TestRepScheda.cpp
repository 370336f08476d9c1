#include "MessageRecorder.h"
#include "PdfLayout.h"
#include "TestPrinting.h"

#include "clients/RepScheda.h"
#include "output/ReportPrinting.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Where the sheet puts things, in points from the page's top-left corner (10 mm margins).
qreal mmToPoints(qreal mm)
{
    return (10 + mm) * PointsPerMm;
}

qreal rowTop(int row)
{
    return mmToPoints(24 + (row - 1) * 10);
}

// Every field names itself, so each value shows where it lands.
TSchedaAnagrafica namedCard()
{
    TSchedaAnagrafica card;
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i)
        card.field(i) = u"F%1x"_s.arg(i);
    card.Cognome = u"  Rossi"_s;
    card.Nome = u"Mario "_s;
    card.ComuneNasc = u"Roma"_s;
    card.ProvNasc = u"RM"_s;
    card.Rata = u"120,00"_s;
    card.Totale = u"1440,00"_s;
    card.Decorrenza = u"01/01/2024"_s;
    card.Scadenza = u"01/02/2024"_s;
    return card;
}

} // namespace

// The client information sheet read back from the printed PDF: title, rows, lines and foot.
class TestRepScheda : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QList<PdfPage> print(const TSchedaAnagrafica &card, const QString &name)
    {
        ReportLayout layout = MakeRepScheda();
        FillRepScheda(layout, card, QDateTime(QDate(2024, 3, 5), QTime(9, 41, 7)));
        PdfPrinting printing(m_dir.filePath(name));
        if (PrintReport(nullptr, layout) != PrintOutcome::Printed)
            return {};
        return ReadPdfLayout(m_dir.filePath(name));
    }

private Q_SLOTS:
    void rowsStandWhereTheSheetPutsThem()
    {
        const QList<PdfPage> pages = print(namedCard(), u"sheet.pdf"_s);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(PdfTitle(m_dir.filePath(u"sheet.pdf"_s)), u"Scheda informativa"_s);
        const PdfPage &page = pages.first();
        QVERIFY(page.size.height() > page.size.width());
        QVERIFY(qAbs(page.size.width() - 210 * PointsPerMm) < 1);

        const QStringList titles = { u"Cognome e nome:"_s, u"Data di nascita:"_s, u"Comune di nascita:"_s, u"Sesso:"_s,
            u"Recapito preferenziale:"_s, u"Indirizzo di residenza:"_s, u"Comune di residenza:"_s, u"Professione:"_s,
            u"Tel. casa:"_s, u"Tel. ufficio:"_s, u"Tel. cellulare:"_s, u"Fax:"_s, u"E-mail:"_s, u"Codice fiscale:"_s,
            u"Partita IVA:"_s, u"Carta di credito:"_s, u"IBAN:"_s, u"Estremi documento:"_s, u"Codice Cliente:"_s,
            u"Categoria:"_s, u"Prodotti e servizi di interesse:"_s, u"Acquisto rateale"_s, u"Totale:"_s, u"Note:"_s };
        // The value each row starts with: its first field, trimmed.
        const QStringList values = { u"Rossi"_s, u"F4x"_s, u"Roma"_s, u"F3x"_s, u"F14x"_s, u"F8x"_s, u"F10x"_s,
            u"F21x"_s, u"F15x"_s, u"F17x"_s, u"F16x"_s, u"F18x"_s, u"F19x"_s, u"F2x"_s, u"F7x"_s, u"N."_s, u"F22x"_s,
            u"Tipo:"_s, u"F35x"_s, u"F36x"_s, u"F27x"_s, u"F38x"_s, u"Importo:"_s, u"F29x"_s };
        for (int row = 1; row <= 24; ++row) {
            const QString &title = titles.at(row - 1);
            const QList<PdfLine> found = page.linesContaining(title);
            QVERIFY2(!found.isEmpty(), qPrintable(title));
            const PdfLine &line = found.first();
            QVERIFY2(
                line.box.top() > rowTop(row) && line.box.bottom() < rowTop(row) + 6 * PointsPerMm, qPrintable(title));
            QVERIFY2(qAbs(line.box.left() - mmToPoints(3)) < 3, qPrintable(title));

            // The value's first word inside the row's band, at the value box's left edge.
            bool placed = false;
            for (const PdfWord &word : page.wordsEqual(values.at(row - 1))) {
                placed = placed
                    || (word.box.top() > rowTop(row) && word.box.bottom() < rowTop(row) + 6 * PointsPerMm
                        && qAbs(word.box.left() - mmToPoints(60)) < 3);
            }
            QVERIFY2(placed, qPrintable(values.at(row - 1)));
        }
        QCOMPARE(page.linesContaining(u"Rossi Mario"_s).size(), 1);
        QCOMPARE(page.linesContaining(u"Roma RM"_s).size(), 1);
        QCOMPARE(page.linesContaining(u"Divano"_s).size(), 0);
        QCOMPARE(page.linesContaining(u"F38x Importo rata: € 120,00"_s).size(), 1);
        QCOMPARE(page.linesContaining(u"Importo: € 1440,00 Decorrenza: 01/01/2024 Scadenza: 01/02/2024"_s).size(), 1);
        // Fields the sheet leaves out: dependants, qualification, bank, payment, authority, issue date,
        // frequency, notice days, attachments.
        for (int left : { 13, 20, 24, 28, 32, 33, 43, 41, 45, 50 })
            QCOMPARE(page.wordsEqual(u"F%1x"_s.arg(left)).size(), 0);

        const QList<PdfLine> title = page.linesContaining(u"SCHEDA INFORMATIVA DEL VISITATORE"_s);
        QCOMPARE(title.size(), 1);
        QVERIFY(title.first().box.top() > mmToPoints(3) && title.first().box.bottom() < mmToPoints(12));
        const qreal titleCentre = title.first().box.center().x();
        QVERIFY(qAbs(titleCentre - mmToPoints(23 + 165 / 2.0)) < 3);

        const QList<PdfLine> foot = page.linesContaining(u"Stampa eseguita in data 05/03/2024 alle ore 09:41:07"_s);
        QCOMPARE(foot.size(), 1);
        QVERIFY(foot.first().box.top() > mmToPoints(269) && foot.first().box.bottom() < mmToPoints(275));
        QVERIFY(qAbs(foot.first().box.center().x() - mmToPoints(3 + 185 / 2.0)) < 3);
        for (const QString &design : { u"Campo"_s, u"Titolo"_s, u"Termine"_s })
            QCOMPARE(page.wordsEqual(design).size(), 0);
    }

    // Fills, lines and the logo where the layout puts them.
    void colours()
    {
        QVERIFY(!print(namedCard(), u"colours.pdf"_s).isEmpty());
        const QImage image = RenderPdfPage(m_dir.filePath(u"colours.pdf"_s), 0, 96);
        QVERIFY(!image.isNull());
        const qreal px = 96 / 25.4;
        auto at = [&](qreal xMm, qreal yMm) { return image.pixelColor(int((10 + xMm) * px), int((10 + yMm) * px)); };
        const QColor orange(255, 140, 0);
        const QColor teal(0, 128, 128);
        QCOMPARE(at(24, 4), orange);
        QCOMPARE(at(186, 11), orange);
        QCOMPARE(at(4, 270), orange);
        QCOMPARE(at(4, 24.5), teal);
        QCOMPARE(at(54, 253.5 + 6), teal);
        QCOMPARE(at(58, 24.5), QColor(Qt::white)); // between title and value
        QCOMPARE(at(100, 19), QColor(Qt::white));
        // The darkest pixel of a small column around a point.
        auto darkest = [&](qreal xMm, qreal yMm) {
            int value = 255;
            for (int dy = -2; dy <= 2; ++dy)
                value = std::min(value, image.pixelColor(int((10 + xMm) * px), int((10 + yMm) * px) + dy).value());
            return value;
        };
        QVERIFY(darkest(100, 16) < 128); // linSepara01
        QVERIFY(darkest(100, 265) < 128); // linSepara02
        QVERIFY(darkest(22.5, 16) > 250); // the upper line starts at 23 mm
        QVERIFY(darkest(11.5, 9.5) < 240); // imgLogo
    }

    // An empty card prints the titles and only the literal pieces; a long note stops at its box.
    void emptyCardAndLongNote()
    {
        TSchedaAnagrafica card;
        card.Note = u"Inizio"_s + QString(240, u'x') + u" FINE"_s;
        const QList<PdfPage> pages = print(card, u"empty.pdf"_s);
        QCOMPARE(pages.size(), 1);
        const PdfPage &page = pages.first();
        QStringList texts;
        for (const PdfLine &line : page.lines)
            texts.append(line.text);
        QVERIFY(texts.contains(u"Carta di credito: N. Scadenza:"_s) || texts.contains(u"N. Scadenza:"_s));
        QVERIFY(texts.contains(u"Estremi documento: Tipo: N. Scadenza:"_s) || texts.contains(u"Tipo: N. Scadenza:"_s));
        QCOMPARE(page.linesContaining(u"Cognome e nome:"_s).size(), 1);
        QCOMPARE(page.wordsEqual(u"FINE"_s).size(), 0);
        const QList<PdfLine> note = page.linesContaining(u"Inizio"_s);
        QCOMPARE(note.size(), 1);
        QVERIFY(note.first().box.right() <= mmToPoints(188) + 5);
        QVERIFY(note.first().box.right() > mmToPoints(188) - 15);
    }
};

QTEST_MAIN(TestRepScheda)
#include "TestRepScheda.moc"
