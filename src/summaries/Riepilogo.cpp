#include "summaries/Riepilogo.h"

#include "output/ListReport.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/Help.h"
#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace {

const QString IntervalDesign = u"Dal gg/mm/aaaa al gg/mm/aaaa"_s;

// A white box showing a value at the right of a strip.
QLabel *valueBox(QWidget *strip, const QString &name, const QString &text, const QRect &geometry)
{
    QLabel *label = MakeLabel(
        strip, name, text, geometry, { VerdanaFont(11, true), Palette::Navy, Qt::AlignRight | Qt::AlignVCenter });
    label->setStyleSheet(
        u"QLabel { background: white; border: 1px solid %1; border-radius: 3px; padding: 0 8px; }"_s.arg(
            Palette::PanelBorder.name()));
    return label;
}

} // namespace

TfrmRiepilogo::TfrmRiepilogo(QWidget *parent)
    : Dialog(
        u"TfrmRiepilogo"_s, u" Portavel - Riepilogo Visite"_s, QSize(1016, 713), parent, Dialog::Placement::Maximized)
    , m_panel(new QWidget(this))
{
    setBackground(Palette::SteelBlue, Qt::white);
    m_panel->setObjectName(u"panel"_s);
    m_panel->setFixedSize(995, 692);

    GradientPanel *top = MakeCard(m_panel, u"panTitolo"_s, QRect(10, 8, 975, 160), TileCard);
    MakePicture(top, u"imgTitolo"_s, u":/img/tile_riepilogo.svg"_s, QRect(14, 10, 80, 60));
    MakeLabel(
        top, QString(), u"Motivo della visita:"_s, QRect(108, 14, 190, 26), { VerdanaFont(12, false), Palette::Navy });
    m_titTipologia = MakeLabel(
        top, u"titTipologia"_s, QString(), QRect(300, 14, 590, 26), { VerdanaFont(12, true), Palette::Navy });
    auto *guida = new ClickableImage(u"imgGuida"_s, u":/img/icona_guida.svg"_s, QRect(915, 10, 44, 44), top);
    guida->setToolTip(u"Guida"_s);
    MakeFindHelpLines(top, QPoint(108, 48));
    const SearchStrip strip = MakeSearchStrip(top, QRect(14, 90, 945, 57));
    m_txtTrova = strip.txtTrova;
    m_btnTrova = strip.btnTrova;

    MakeCard(m_panel, u"shpLista"_s, QRect(10, 176, 975, 401), ListFrameCard);
    m_lstRecords = new ListBox(u"lstRecords"_s, QRect(17, 184, 961, 385), m_panel, ListBox::Order::AsGiven);
    QFont listFont(u"Courier New"_s, 12);
    listFont.setStyleHint(QFont::Monospace);
    m_lstRecords->setItemFont(listFont);

    GradientPanel *interval = MakeCard(m_panel, u"shpIntervallo"_s, QRect(10, 585, 600, 44), TileCard);
    MakeLabel(interval, QString(), u"Intervallo selezionato:"_s, QRect(14, 0, 230, 44),
        { VerdanaFont(11, true), Palette::Navy });
    m_lblIntervallo = valueBox(interval, u"lblIntervallo"_s, IntervalDesign, QRect(246, 7, 340, 30));
    GradientPanel *total = MakeCard(m_panel, u"shpTotale"_s, QRect(620, 585, 365, 44), TileCard);
    MakeLabel(total, QString(), u"Totale visite:"_s, QRect(14, 0, 160, 44), { VerdanaFont(11, true), Palette::Navy });
    m_lblTotCosti = valueBox(total, u"lblTotCosti"_s, u"0"_s, QRect(176, 7, 175, 30));

    m_btnStampa = MakeButton(m_panel, u"btnStampa"_s, u"Stampa riepilogo"_s, QRect(10, 640, 230, 42),
        ButtonStyle::Plain, u":/img/reg_stampa.svg"_s);
    m_btnEsci = MakeButton(
        m_panel, u"btnEsci"_s, u"Esci"_s, QRect(755, 640, 230, 42), ButtonStyle::Plain, u":/img/reg_esci.svg"_s);
    // Enter in the search box does nothing here: no button of the dialog is its default.
    for (QPushButton *button : { m_btnTrova, m_btnStampa, m_btnEsci })
        button->setAutoDefault(false);

    setTabOrder(m_txtTrova, m_btnTrova);
    setTabOrder(m_btnTrova, m_lstRecords);
    setTabOrder(m_lstRecords, m_btnStampa);
    setTabOrder(m_btnStampa, m_btnEsci);

    connect(m_btnTrova, &QPushButton::clicked, this, &TfrmRiepilogo::btnTrovaClick);
    connect(m_btnStampa, &QPushButton::clicked, this, &TfrmRiepilogo::btnStampaClick);
    connect(m_btnEsci, &QPushButton::clicked, this, [this] { closeDialog(QDialog::Rejected); });
    connect(guida, &ClickableImage::clicked, this, [this] { ShowHelp(this, HelpTopic::Riepilogo); });
}

bool TfrmRiepilogo::buildSummary(const SummaryRequest &request, const VisitSummary &summary)
{
    m_lstRecords->resetFind();
    m_txtTrova->clear();
    m_titTipologia->setText(SummaryReasonHeading(request.reason));
    if (!summary.readable) {
        m_lstRecords->clear();
        m_lblTotCosti->setText(u"0"_s);
        m_lblIntervallo->setText(IntervalDesign);
        return false;
    }
    m_lstRecords->setLines(summary.lines);
    m_lblTotCosti->setText(QString::number(summary.lines.size()));
    m_lblIntervallo->setText(SummaryIntervalText(request.start, request.end));
    return true;
}

void TfrmRiepilogo::done(int result)
{
    m_lstRecords->clear();
    Dialog::done(result);
}

void TfrmRiepilogo::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (!event->spontaneous())
        m_txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmRiepilogo::resizeEvent(QResizeEvent *event)
{
    Dialog::resizeEvent(event);
    m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

void TfrmRiepilogo::btnTrovaClick()
{
    m_lstRecords->find(m_txtTrova->text());
}

void TfrmRiepilogo::btnStampaClick()
{
    if (m_lstRecords->count() == 0) {
        Messages::warning(u"Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."_s, this);
        return;
    }
    if (!Messages::confirm(u"Si vuole stampare il presente riepilogo?"_s, this))
        return;
    PrintListReport(this, SummaryReportTitle(m_titTipologia->text()),
        SummaryReportLines(m_lstRecords->lines(), m_lblIntervallo->text(), m_lblTotCosti->text()), u"riepilogo"_s);
}
