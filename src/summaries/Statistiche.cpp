#include "summaries/Statistiche.h"

#include "base/TextFunctions.h"
#include "output/ReportPrinting.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "summaries/MonthlyChart.h"
#include "summaries/MonthlyCounts.h"
#include "widgets/Activity.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/Help.h"
#include "widgets/HintLine.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"
#include "widgets/PrintService.h"
#include "widgets/YearBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>

using namespace Qt::StringLiterals;

namespace {

constexpr int HintHeight = 28;

const char16_t *const CounterNames[12] = { u"memGennaio", u"memFebbraio", u"memMarzo", u"memAprile", u"memMaggio",
    u"memGiugno", u"memLuglio", u"memAgosto", u"memSettembre", u"memOttobre", u"memNovembre", u"memDicembre" };

} // namespace

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : Screen(u"TfrmStatistiche"_s, u" Portavel - Statistiche visite mensili"_s, Screen::Kind::Maximized,
        QSize(995, 692), parent)
{
    m_panInfo = new HintLine(
        this, QRect(0, height() - HintHeight, width(), HintHeight), u"Grafico statistico delle visite mensili."_s);
    m_panInfo->addBackground(this);
    m_panInfo->addBackground(panel());
    m_panInfo->addBackground(m_panInfo);

    buildStartPanel();
    buildChartPanel();

    m_lblFile = MakeHiddenLabel(panel(), u"lblFile"_s);
    for (std::size_t m = 0; m < 12; ++m)
        m_monthCounters[m] = MakeHiddenLabel(panel(), QString::fromUtf16(CounterNames[m]), u"0"_s);
    m_panInfo->raise();
    showChartPanel(false);
}

void TfrmStatistiche::buildStartPanel()
{
    m_panAvvio = new QWidget(panel());
    m_panAvvio->setObjectName(u"panAvvio"_s);
    m_panAvvio->setGeometry(panel()->rect());

    const Banner banner = MakeBanner(m_panAvvio, BannerStyle::Screen, ScreenBannerRect.adjusted(0, 0, 0, 10),
        u"STATISTICHE VISITE MENSILI"_s, u":/img/tile_riepilogo.svg"_s, u"imgEsci"_s);
    // The chart panel's title is the screen's lblTitolo.
    banner.title->setObjectName(QString());
    auto *guida = new ClickableImage(u"imgGuida"_s, u":/img/icona_guida.svg"_s, QRect(807, 27, 56, 56), banner.widget);
    guida->setToolTip(u"Guida"_s);

    GradientPanel *card = MakeCard(m_panAvvio, u"shpAnno"_s, QRect(247, 200, 500, 300), TileCard);
    MakePicture(card, QString(), u":/img/tile_riepilogo.svg"_s, QRect(24, 60, 189, 140));
    MakeLabel(card, u"lblApri"_s, u"Indicare l'anno solare e premere Apri."_s, QRect(24, 18, 452, 28),
        { VerdanaFont(12, true), Palette::TitleInk });
    m_txtAnno = MakeYearBox(card, u"txtAnno"_s, QRect(250, 80, 200, 64), 28);
    m_btnApri = MakeButton(card, u"btnApri"_s, u"Apri"_s, QRect(265, 170, 170, 44), ButtonStyle::Open);
    InstallYearBoxFilter(m_txtAnno, m_btnApri);

    connect(m_btnApri, &QPushButton::clicked, this, &TfrmStatistiche::btnApriClick);
    connect(banner.exit, &ClickableImage::clicked, this, &QWidget::close);
    connect(guida, &ClickableImage::clicked, this, [this] { ShowHelp(this, HelpTopic::Statistiche); });
}

void TfrmStatistiche::buildChartPanel()
{
    m_panContainer = new QWidget(panel());
    m_panContainer->setObjectName(u"panContainer"_s);
    m_panContainer->setGeometry(panel()->rect());
    m_panInfo->addBackground(m_panContainer);

    GradientPanel *head = MakeCard(m_panContainer, u"shpTitolo"_s, QRect(10, 6, 975, 92), TileCard);
    m_panInfo->addBackground(head);
    m_lblTitolo
        = MakeLabel(head, u"lblTitolo"_s, u"Rappresentazione grafica delle visite registrate nell'anno solare."_s,
            QRect(16, 6, 880, 36), { VerdanaFont(18, true), Palette::SlateBlue });
    MakeLabel(head, u"lblRigo04"_s,
        u"Il presente grafico statistico mostra le visite totalizzate in ciascun mese dell'anno in base agli "
        u"ingressi registrati."_s,
        QPoint(18, 46), { VerdanaFont(9, false), Palette::HelpInk });
    MakeLabel(head, u"lblRigo05"_s,
        u"Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato e per mandarlo in stampa."_s,
        QPoint(18, 66), { VerdanaFont(9, false), Palette::HelpInk });
    auto *cmdGuida = new ClickableImage(u"cmdGuida"_s, u":/img/icona_guida.svg"_s, QRect(911, 18, 52, 52), head);
    cmdGuida->setToolTip(u"Guida"_s);
    m_panInfo->addHint(cmdGuida, u"Visualizza la pagina della guida sensibile al contesto."_s);

    GradientPanel *frame = MakeCard(m_panContainer, u"shpGrafico"_s, QRect(10, 106, 975, 516), WhitePanel);
    m_panInfo->addBackground(frame);
    m_chart = new MonthlyChart(frame);
    m_chart->setGeometry(6, 6, 963, 504);
    m_chart->setFrameShape(QFrame::NoFrame);
    m_panInfo->addBackground(m_chart->viewport());

    struct Button
    {
        const char16_t *name;
        const char16_t *caption;
        const char16_t *icon;
        const char16_t *hint;
        int left;
    };
    const Button buttons[] = {
        { u"btnBarre", u"Visualizza grafico a barre", u":/img/graf_barre.svg",
            u"Visualizza le statistiche delle visite sotto forma di grafico a barre tridimensionali.", 10 },
        { u"btnTorta", u"Visualizza grafico a torta", u":/img/graf_torta.svg",
            u"Visualizza le statistiche delle visite sotto forma di grafico a torta tridimensionale.", 262 },
        { u"btnStampa", u"Stampa grafico", u":/img/reg_stampa.svg", u"Stampa il grafico corrente.", 514 },
        { u"btnEsci", u"Esci", u":/img/reg_esci.svg", u"Esci da questo ambiente di lavoro.", 766 },
    };
    for (const Button &b : buttons) {
        QPushButton *button = MakeButton(m_panContainer, QString::fromUtf16(b.name), QString::fromUtf16(b.caption),
            QRect(b.left, 632, 219, 42), ButtonStyle::Plain, QString::fromUtf16(b.icon));
        m_panInfo->addHint(button, QString::fromUtf16(b.hint));
    }

    auto find
        = [this](const char16_t *name) { return m_panContainer->findChild<QPushButton *>(QString::fromUtf16(name)); };
    connect(find(u"btnBarre"), &QPushButton::clicked, this, [this] { m_chart->setKind(MonthlyChart::Kind::Bars); });
    connect(find(u"btnTorta"), &QPushButton::clicked, this, [this] { m_chart->setKind(MonthlyChart::Kind::Pie); });
    connect(find(u"btnStampa"), &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
    connect(find(u"btnEsci"), &QPushButton::clicked, this, &QWidget::close);
    connect(cmdGuida, &ClickableImage::clicked, this, [this] { ShowHelp(this, HelpTopic::Statistiche); });
}

void TfrmStatistiche::resizeEvent(QResizeEvent *event)
{
    Screen::resizeEvent(event);
    if (m_panInfo)
        m_panInfo->setGeometry(0, height() - HintHeight, width(), HintHeight);
}

void TfrmStatistiche::showChartPanel(bool chart)
{
    m_panAvvio->setVisible(!chart);
    m_panContainer->setVisible(chart);
    m_panInfo->setVisible(chart);
}

void TfrmStatistiche::onShow()
{
    ShowThisYear(m_txtAnno);
    m_chart->clear();
    showChartPanel(false);
    m_txtAnno->setFocus();
}

void TfrmStatistiche::onClose()
{
    switchTo(Screen::of(ScreenId::Avvio));
}

void TfrmStatistiche::btnApriClick()
{
    const std::optional<QString> typed = TypedYear(this, m_txtAnno);
    if (!typed)
        return;
    const QString year = *typed;
    const QString yearFile = VisitFilePath(year);
    m_lblFile->setText(yearFile);
    m_lblTitolo->setText(u"Rappresentazione grafica delle visite registrate nell'anno "_s + year + u"."_s);
    for (QLabel *counter : m_monthCounters)
        counter->setText(u"0"_s);

    std::optional<MonthlyCounts> counts;
    try {
        counts = ComputeOffWindow<MonthlyCounts>(
            this, u"Conteggio in corso..."_s, [&] { return CountVisitsPerMonth(yearFile, year.toInt()); });
    } catch (const StorageError &) {
        // The year file cannot be read: the start panel stays, without a word.
        return;
    }
    if (!counts)
        return;
    for (std::size_t m = 0; m < 12; ++m)
        m_monthCounters[m]->setText(QString::number((*counts)[m]));
    m_chart->setCounts(*counts, year.toInt());
    showChartPanel(true);
}

void TfrmStatistiche::btnStampaClick()
{
    if (!Messages::confirm(u"Si vuole stampare il presente grafico statistico?"_s, this))
        return;
    const std::optional<QString> answer = Messages::inputBox(u"Numero copie da stampare"_s, u"Copie:"_s, u"1"_s, this);
    if (!answer)
        return;
    const int copies = (TrimText(*answer).isEmpty() || !IsAllDigits(*answer)) ? 1 : answer->toInt();

    std::unique_ptr<QPrinter> printer = PrintService::choosePrinter(this, QPageLayout::Landscape, copies);
    if (!printer)
        return;
    // One page per copy: the printer must not repeat them again.
    const int chosen = printer->copyCount();
    printer->setCopyCount(1);
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(u"Statistiche visite mensili"_s);
    if (chosen > 0 && !m_chart->print(printer.get(), chosen))
        Messages::error(PrintErrorMessage(), this);
    else if (chosen > 0)
        RecordActivity(u"stampa"_s, u"statistiche"_s, this);
}
