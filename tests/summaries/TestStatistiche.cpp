#include "AppFixture.h"
#include "MessageRecorder.h"
#include "PdfLayout.h"
#include "TestHelpers.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "output/ReportPrinting.h"
#include "storage/VisitFile.h"
#include "summaries/MonthlyChart.h"
#include "summaries/Statistiche.h"
#include "visits/MenuRegistro.h"
#include "widgets/Palette.h"
#include "widgets/PrintService.h"

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QStringList Months = { u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s, u"Maggio"_s, u"Giugno"_s,
    u"Luglio"_s, u"Agosto"_s, u"Settembre"_s, u"Ottobre"_s, u"Novembre"_s, u"Dicembre"_s };
const QStringList Counters
    = { u"memGennaio"_s, u"memFebbraio"_s, u"memMarzo"_s, u"memAprile"_s, u"memMaggio"_s, u"memGiugno"_s,
          u"memLuglio"_s, u"memAgosto"_s, u"memSettembre"_s, u"memOttobre"_s, u"memNovembre"_s, u"memDicembre"_s };
// The published colours of the months, as ARGB.
const QList<QRgb> Colours = { 0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00, 0xFF00FF00,
    0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000 };
// What the 2028 file of the tests holds, month by month.
const QList<int> Counts2028 = { 2, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1 };

} // namespace

class TestStatistiche : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    static TfrmStatistiche *screen() { return Windows().statistiche(); }
    static MonthlyChart *chart() { return screen()->findChild<MonthlyChart *>(u"ChartStats"_s); }
    static QPushButton *button(const QString &name) { return screen()->findChild<QPushButton *>(name); }
    static QWidget *startPanel() { return screen()->findChild<QWidget *>(u"panAvvio"_s); }
    static QWidget *chartPanel() { return screen()->findChild<QWidget *>(u"panContainer"_s); }

    // From the year selection, as the operator gets here.
    static void enter()
    {
        Windows().avvio()->showScreen();
        auto *tile = Windows().avvio()->findChild<QWidget *>(u"btnRegistro"_s);
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->rect().center());
        Windows().menuRegistro()->findChild<QPushButton *>(u"btnApriRiepStats"_s)->click();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmStatistiche"_s });
    }

    static void apri(const QString &year)
    {
        auto *box = screen()->findChild<QLineEdit *>(u"txtAnno"_s);
        box->setText(year);
        button(u"btnApri"_s)->click();
    }

    static QList<int> counters()
    {
        QList<int> values;
        for (const QString &name : Counters)
            values.append(screen()->findChild<QLabel *>(name)->text().toInt());
        return values;
    }

    // The chart's points as drawn: value, colour and legend text of each month.
    static void compareChart(MonthlyChart::Kind kind, const QList<int> &counts)
    {
        const QList<QAbstractSeries *> series = chart()->chart()->series();
        QCOMPARE(series.size(), 1);
        QCOMPARE(series[0]->objectName(), u"Series1"_s);
        QStringList legend;
        for (QLegendMarker *marker : chart()->chart()->legend()->markers())
            legend.append(marker->label());
        QCOMPARE(legend, Months);
        if (kind == MonthlyChart::Kind::Bars) {
            auto *bars = qobject_cast<QStackedBarSeries *>(series[0]);
            QVERIFY(bars);
            QCOMPARE(bars->count(), 12);
            for (int m = 0; m < 12; ++m) {
                QBarSet *set = bars->barSets().at(m);
                QCOMPARE(set->label(), Months[m]);
                QCOMPARE(set->color().rgba(), Colours[m]);
                for (int i = 0; i < 12; ++i)
                    QCOMPARE(set->at(i), i == m ? counts[m] : 0.0);
            }
        } else {
            auto *pie = qobject_cast<QPieSeries *>(series[0]);
            QVERIFY(pie);
            QCOMPARE(pie->count(), 12);
            for (int m = 0; m < 12; ++m) {
                QPieSlice *slice = pie->slices().at(m);
                QCOMPARE(slice->value(), counts[m]);
                QCOMPARE(slice->color().rgba(), Colours[m]);
                QCOMPARE(slice->label(), QString::number(counts[m]));
                QCOMPARE(slice->isLabelVisible(), counts[m] > 0);
            }
        }
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        m_app.emplace(QDateTime(QDate(2028, 5, 2), QTime(9, 0)));
        VisitFile file;
        file.open(m_app->file(u"2028.vis"_s));
        for (const QString &date : { u"03/01/2028"_s, u"5/3/2028"_s, u"15/01/2028"_s, u"28/02/2028"_s, u""_s,
                 u"12/3/2028"_s, u"01/03/2027"_s, u"1/12/2028"_s, u"31/04/2028"_s, u"31/03/2028"_s }) {
            file.append(VisitCard({ { VisitField::DataEnt, date }, { VisitField::Cognome, u"Neri"_s } }));
        }
        file.close();
    }
    void cleanup() { m_app.reset(); }

    void apriCountsTheYear()
    {
        MessageRecorder messages;
        enter();
        QVERIFY(startPanel()->isVisible());
        QVERIFY(!chartPanel()->isVisible());
        QCOMPARE(screen()->findChild<QLineEdit *>(u"txtAnno"_s)->text(), u"2028"_s);
        QCOMPARE(screen()->focusWidget(), screen()->findChild<QLineEdit *>(u"txtAnno"_s));

        apri(u"2028"_s);
        QCOMPARE(messages.count(), 0);
        QVERIFY(!startPanel()->isVisible());
        QVERIFY(chartPanel()->isVisible());
        QCOMPARE(screen()->findChild<QLabel *>(u"lblTitolo"_s)->text(),
            u"Rappresentazione grafica delle visite registrate nell'anno 2028."_s);
        QCOMPARE(screen()->findChild<QLabel *>(u"lblFile"_s)->text(), m_app->file(u"2028.vis"_s));
        QCOMPARE(counters(), Counts2028);
        compareChart(MonthlyChart::Kind::Bars, Counts2028);
        QCOMPARE(chart()->chart()->title(), u"Statistiche visite mensili 2028"_s);
        QCOMPARE(chart()->chart()->legend()->alignment(), Qt::AlignBottom);

        // Another year's file: created empty, twelve zero points.
        screen()->close();
        enter();
        apri(u"2031"_s);
        QVERIFY(QFile::exists(m_app->file(u"2031.vis"_s)));
        QCOMPARE(counters(), QList<int>(12, 0));
        compareChart(MonthlyChart::Kind::Bars, QList<int>(12, 0));
        QCOMPARE(chart()->chart()->title(), u"Statistiche visite mensili 2031"_s);
    }

    void apriRefused_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("warned");
        QTest::newRow("three digits") << u"202"_s << true;
        QTest::newRow("letters pasted") << u"20x8"_s << true;
        QTest::newRow("a folder in place of the year file") << u"2029"_s << false;
    }
    // The start panel stays; a wrong year is told, an unreadable file is not.
    void apriRefused()
    {
        QFETCH(QString, year);
        QFETCH(bool, warned);
        QVERIFY(QDir().mkpath(m_app->file(u"2029.vis"_s)));
        MessageRecorder messages;
        enter();
        apri(year);
        QVERIFY(startPanel()->isVisible());
        QVERIFY(!chartPanel()->isVisible());
        QCOMPARE(messages.count(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(messages.lastKind(), MessageKind::Warning);
            QCOMPARE(messages.lastText(), u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s);
            QCOMPARE(screen()->focusWidget(), screen()->findChild<QLineEdit *>(u"txtAnno"_s));
        }
    }

    // Pie and bars keep the points; the kind chosen stays for the next showing, the points do not.
    void kindKeptAcrossShowings()
    {
        enter();
        apri(u"2028"_s);
        button(u"btnTorta"_s)->click();
        compareChart(MonthlyChart::Kind::Pie, Counts2028);
        QCOMPARE(chart()->kind(), MonthlyChart::Kind::Pie);

        button(u"btnEsci"_s)->click();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
        enter();
        QVERIFY(startPanel()->isVisible());
        QVERIFY(!chart()->counts());
        QVERIFY(chart()->chart()->series().isEmpty());
        apri(u"2028"_s);
        compareChart(MonthlyChart::Kind::Pie, Counts2028);

        button(u"btnBarre"_s)->click();
        compareChart(MonthlyChart::Kind::Bars, Counts2028);
        screen()->close();
        enter();
        apri(u"2028"_s);
        compareChart(MonthlyChart::Kind::Bars, Counts2028);
    }

    void printing_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("answer"); // "-" for Cancel
        QTest::addColumn<int>("preset"); // -1: no print dialog
        QTest::addColumn<bool>("pie");

        QTest::newRow("No to the question") << false << u"2"_s << -1 << false;
        QTest::newRow("copies cancelled") << true << u"-"_s << -1 << false;
        QTest::newRow("1") << true << u"1"_s << 1 << false;
        QTest::newRow("3, as a pie") << true << u"3"_s << 3 << true;
        QTest::newRow("2 and a blank") << true << u"2 "_s << 1 << false;
        QTest::newRow("a letter") << true << u"x"_s << 1 << false;
        QTest::newRow("nothing") << true << u" "_s << 1 << false;
        QTest::newRow("0") << true << u"0"_s << 0 << false;
    }
    // The question, the copies asked, the print dialog with them preset; then one landscape page
    // per copy, each showing the chart's title with its year, legend, foot text and values.
    void printing()
    {
        QFETCH(bool, confirmed);
        QFETCH(QString, answer);
        QFETCH(int, preset);
        QFETCH(bool, pie);

        enter();
        apri(u"2028"_s);
        if (pie)
            button(u"btnTorta"_s)->click();
        QTest::qWait(20);

        MessageRecorder messages;
        messages.answers = { confirmed };
        messages.inputs = { answer == u"-"_s ? std::nullopt : std::optional<QString>(answer) };
        const QString pdfPath = m_app->file(u"grafico.pdf"_s);
        PdfPrinting dialog(pdfPath, true);
        button(u"btnStampa"_s)->click();

        QCOMPARE(messages.messages.first().kind, MessageKind::Confirmation);
        QCOMPARE(messages.messages.first().text, u"Si vuole stampare il presente grafico statistico?"_s);
        QCOMPARE(messages.prompts, confirmed ? QStringList { u"Copie:"_s } : QStringList());
        QCOMPARE(dialog.dialogs, preset < 0 ? 0 : 1);
        if (preset < 0)
            return;
        QCOMPARE(dialog.requestedCopies, preset);
        QCOMPARE(messages.count(), 1);
        const QStringList pages = PdfPages(pdfPath);
        QCOMPARE(pages.size(), preset);
        for (const QString &page : pages) {
            const QString text = page.simplified();
            for (const QString &word : QStringList { u"Statistiche visite mensili 2028"_s, u"Visite:"_s,
                     u"Le statistiche si basano sugli ingressi"_s, u"senza considerare l'identità dei visitatori."_s })
                QVERIFY2(text.contains(word), qPrintable(word + u" in "_s + text));
            for (const QString &month : Months)
                QVERIFY2(text.contains(month), qPrintable(month));
        }
        if (preset > 0) {
            const QList<PdfPage> layout = ReadPdfLayout(pdfPath);
            QVERIFY(layout.first().size.width() > layout.first().size.height());
        }
    }

    // A printer that cannot be written to: the operator is told, and the screen goes on.
    void printFailureIsTold()
    {
        enter();
        apri(u"2028"_s);
        MessageRecorder messages;
        messages.inputs = { u"1"_s };
        PdfPrinting dialog(m_app->file(u"manca/grafico.pdf"_s), true);
        button(u"btnStampa"_s)->click();
        QCOMPARE(dialog.dialogs, 1);
        QCOMPARE(messages.lastKind(), MessageKind::Error);
        QCOMPARE(messages.lastText(), PrintErrorMessage());
        QVERIFY(chartPanel()->isVisible());
    }

    void hints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("btnBarre")
            << u"btnBarre"_s
            << u"Visualizza le statistiche delle visite sotto forma di grafico a barre tridimensionali."_s;
        QTest::newRow("btnTorta")
            << u"btnTorta"_s
            << u"Visualizza le statistiche delle visite sotto forma di grafico a torta tridimensionale."_s;
        QTest::newRow("btnStampa") << u"btnStampa"_s << u"Stampa il grafico corrente."_s;
        QTest::newRow("btnEsci") << u"btnEsci"_s << u"Esci da questo ambiente di lavoro."_s;
        QTest::newRow("cmdGuida") << u"cmdGuida"_s << u"Visualizza la pagina della guida sensibile al contesto."_s;
    }
    void hints()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        enter();
        apri(u"2028"_s);
        auto *line = screen()->findChild<QLabel *>(u"panInfo"_s);
        QVERIFY(line && line->isVisible());
        QCOMPARE(line->text(), u"Grafico statistico delle visite mensili."_s);
        auto *widget = screen()->findChild<QWidget *>(control);
        QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
        // Moves sent straight to the widgets: the offscreen screen is smaller than the design.
        const auto moveOver = [](QWidget *target) {
            QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), target->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        };
        moveOver(widget);
        QCOMPARE(line->text(), hint);
        moveOver(chart()->viewport());
        QCOMPARE(line->text(), QString());
    }
};

QTEST_MAIN(TestStatistiche)
#include "TestStatistiche.moc"
