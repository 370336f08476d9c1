#include "PdfLayout.h"

#include "MessageRecorder.h"
#include "TestPrinting.h"

#include "output/BandFlow.h"
#include "output/ReportLayout.h"
#include "output/ReportPrinting.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "page:top:first+count" for each placement, joined by blanks, to compare flows as text.
QString describe(const BandFlow &flow)
{
    QStringList parts;
    for (const BandPlacement &p : flow.placements) {
        QString part = u"%1:%2:%3"_s.arg(p.band).arg(p.page).arg(p.top);
        if (p.lineCount > 0 || p.continued)
            part += u":%1+%2"_s.arg(p.firstLine).arg(p.lineCount);
        parts.append(part);
    }
    return parts.join(u' ');
}

QColor pixel(const QImage &image, qreal xUnits, qreal yUnits)
{
    // One pixel per unit at 96 dpi; the printable area starts 10 mm in.
    const qreal margin = 10 * ReportLayout::UnitsPerMm;
    return image.pixelColor(int(margin + xUnits), int(margin + yUnits));
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

// The report engine: where bands land on pages, elements by name, painting, print failures.
class TestReportEngine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void flowBands_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qreal>("pageHeight");
        QTest::addColumn<QString>("expected");
        // A title of 10, a body of lines 10 apart with 5 to spare after them, a closing band of 10.
        QTest::newRow("empty body") << 0 << 100.0 << u"0:0:0 1:0:10 2:0:15"_s;
        QTest::newRow("fits one page") << 3 << 100.0 << u"0:0:0 1:0:10:0+3 2:0:45"_s;
        QTest::newRow("lines fill the page exactly") << 9 << 100.0 << u"0:0:0 1:0:10:0+9 2:1:0"_s;
        QTest::newRow("gap after last line swallowed at page end") << 8 << 100.0 << u"0:0:0 1:0:10:0+8 2:1:0"_s;
        QTest::newRow("splits over three pages") << 25 << 100.0 << u"0:0:0 1:0:10:0+9 1:1:0:9+10 1:2:0:19+6 2:2:65"_s;
        QTest::newRow("page shorter than a line") << 2 << 8.0 << u"0:0:0 1:1:0:0+1 1:2:0:1+1 2:3:0"_s;
    }

    void flowBands()
    {
        QFETCH(int, lines);
        QFETCH(qreal, pageHeight);
        QFETCH(QString, expected);
        BandMetrics title { 10 };
        BandMetrics body { lines * 10.0 + 5, true, 0, 10, lines };
        BandMetrics closing { 10 };
        QCOMPARE(describe(FlowBands({ title, body, closing }, pageHeight)), expected);
    }

    void elementsByName()
    {
        ReportLayout layout(u"Prova"_s);
        layout.addBand(u"A"_s, 50).elements.append(ReportElement::textBox(u"txtUno"_s, QRectF(0, 0, 100, 20)));
        ReportBand &b = layout.addBand(u"B"_s, 50);
        b.elements.append(ReportElement::textBox(u"txtDue"_s, QRectF(0, 0, 100, 20), u"prima"_s));
        b.elements.append(ReportElement::line(u"linRiga"_s, QPointF(0, 0), QPointF(10, 0)));

        QVERIFY(layout.setText(u"txtDue"_s, u"dopo"_s));
        QCOMPARE(layout.element(u"txtDue"_s), &b.elements[0]);
        QCOMPARE(b.elements[0].text, u"dopo"_s);
        QVERIFY(!layout.setText(u"linRiga"_s, u"x"_s));
        QVERIFY(!layout.setText(u"txtTre"_s, u"x"_s));
        QVERIFY(!layout.element(u"txtTre"_s));

        // A memo takes one line per part of the text it is given.
        b.elements.append(ReportElement::memo(u"txtMemo"_s, QRectF(0, 20, 100, 30), 10, {}));
        QVERIFY(layout.setText(u"txtMemo"_s, u"uno\n\ntre"_s));
        QCOMPARE(layout.element(u"txtMemo"_s)->lines, (QStringList { u"uno"_s, QString(), u"tre"_s }));
    }

    // A band being filled stays where it is however many bands are added after it.
    void bandReferencesSurviveLaterBands()
    {
        ReportLayout layout(u"Prova"_s);
        ReportBand &first = layout.addBand(u"Primo"_s, 10);
        for (int i = 0; i < 200; ++i)
            layout.addBand(u"Altro%1"_s.arg(i), 10);
        first.elements.append(ReportElement::textBox(u"txtUno"_s, QRectF(0, 0, 100, 20), u"uno"_s));
        QCOMPARE(layout.element(u"txtUno"_s), &first.elements[0]);
        QVERIFY(layout.setText(u"txtUno"_s, u"due"_s));
        QCOMPARE(first.elements[0].text, u"due"_s);
    }

    // Fills, gradients, lines with arrowheads and pictures land where the layout puts them.
    void paintsAtLayoutPositions()
    {
        ReportLayout layout(u"Prova"_s);
        ReportBand &band = layout.addBand(u"Pagina"_s, 600);
        ReportElement box = ReportElement::textBox(u"txtBox"_s, QRectF(100, 50, 200, 100), u"TESTO"_s);
        box.fill = QColor(255, 0, 0);
        box.fillBottom = QColor(0, 0, 255);
        box.frame = true;
        band.elements.append(box);
        ReportElement arrow = ReportElement::line(u"linFreccia"_s, QPointF(100, 300), QPointF(500, 300));
        arrow.arrowAtStart = true;
        arrow.arrowAtEnd = true;
        band.elements.append(arrow);
        band.elements.append(
            ReportElement::picture(u"imgStampante"_s, QRectF(400, 400, 160, 136), u":/img/stampante.svg"_s));

        const QString pdf = m_dir.filePath(u"engine.pdf"_s);
        {
            QPdfWriter writer(pdf);
            QVERIFY(layout.render(&writer));
        }
        const QImage page = RenderPdfPage(pdf, 0, 96);
        QVERIFY(!page.isNull());
        QVERIFY(near(pixel(page, 110, 53), QColor(255, 0, 0)));
        QVERIFY(near(pixel(page, 110, 147), QColor(0, 0, 255)));
        QVERIFY(near(pixel(page, 95, 100), Qt::white));
        QVERIFY(near(pixel(page, 305, 100), Qt::white));
        QVERIFY(pixel(page, 300, 300).value() < 128);
        // The arrowheads are wider than the line.
        QVERIFY(pixel(page, 107, 301.6).value() < 160);
        QVERIFY(pixel(page, 494, 301.6).value() < 160);
        QVERIFY(near(pixel(page, 300, 301.6), Qt::white));
        int inked = 0;
        for (int y = 400; y < 536; y += 4) {
            for (int x = 400; x < 560; x += 4)
                inked += pixel(page, x, y) != Qt::white ? 1 : 0;
        }
        QVERIFY(inked > 100);
    }

    void printOutcomes_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("message");
        QTest::newRow("printed") << u"ok.pdf"_s << int(PrintOutcome::Printed) << false;
        QTest::newRow("cancelled") << QString() << int(PrintOutcome::Cancelled) << false;
        QTest::newRow("printer fails") << u"missing/folder/ko.pdf"_s << int(PrintOutcome::Failed) << true;
    }

    void printOutcomes()
    {
        QFETCH(QString, target);
        QFETCH(int, outcome);
        QFETCH(bool, message);
        MessageRecorder recorder;
        const QString path = target.isEmpty() ? QString() : m_dir.filePath(target);
        PdfPrinting printing(path);
        ReportLayout layout(u"Prova"_s, QPageLayout::Landscape);
        layout.addBand(u"Pagina"_s, 40)
            .elements.append(ReportElement::textBox(u"txtA"_s, QRectF(0, 0, 200, 20), u"A"_s));

        QCOMPARE(int(PrintReport(nullptr, layout, 2)), outcome);
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(printing.requestedCopies, 2);
        QCOMPARE(!path.isEmpty() && QFile::exists(path), outcome == int(PrintOutcome::Printed));
        QCOMPARE(recorder.count(), message ? 1 : 0);
        if (message) {
            QCOMPARE(recorder.lastKind(), MessageKind::Error);
            QCOMPARE(recorder.lastText(), PrintErrorMessage());
        }
    }
};

QTEST_MAIN(TestReportEngine)
#include "TestReportEngine.moc"
