#include "widgets/ListPanel.h"

#include "widgets/KeyRules.h"
#include "widgets/ListBox.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

LabelLook help(const QColor &color = Palette::HelpInk)
{
    return { VerdanaFont(8), color };
}

} // namespace

void MakeFindHelpLines(QWidget *parent, const QPoint &at)
{
    MakeLabel(parent, u"lblRigo01"_s,
        u"Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
        u"pulsante Trova."_s,
        at, help());
    MakeLabel(parent, u"lblRigo02"_s,
        u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
        u"Trova."_s,
        at + QPoint(0, 16), help());
}

SearchStrip MakeSearchStrip(QWidget *parent, const QRect &geometry)
{
    const int x = geometry.x();
    const int y = geometry.y();
    GradientPanel *shpLente
        = MakeCard(parent, u"shpLente"_s, QRect(x, y, 81, 57), { Qt::white, Qt::white, Palette::ListBorder, 1, 4 });
    MakePicture(shpLente, u"imgLente"_s, u":/img/lente.svg"_s, QRect(19, 7, 43, 43));
    const QRect sfondo(x + 88, y, geometry.width() - 88, 57);
    MakeCard(parent, u"shpSfondo"_s, sfondo, SearchStripCard);

    SearchStrip strip;
    strip.txtTrova = new QLineEdit(parent);
    strip.txtTrova->setObjectName(u"txtTrova"_s);
    strip.txtTrova->setGeometry(sfondo.x() + 16, y + 18, sfondo.width() - 136, 22);
    strip.txtTrova->setFont(VerdanaFont(12, true));
    strip.txtTrova->setStyleSheet(
        u"QLineEdit { background: white; color: %1; border: 1px solid %2; padding: 0px 4px; }"_s.arg(
            Palette::BoxInk.name(), Palette::Midnight.name()));
    strip.btnTrova = MakeButton(parent, u"btnTrova"_s, u"Trova"_s, QRect(sfondo.right() + 1 - 115, y + 13, 105, 30));
    return strip;
}

ListPanel::ListPanel(const QString &bannerText, QWidget *parent)
    : GradientPanel(ListPanelCard, parent)
{
    setObjectName(u"panContainer"_s);
    resize(833, 529);

    MakeBanner(this, BannerStyle::List, QRect(8, 8, 817, 53), bannerText);
    MakeFindHelpLines(this, QPoint(8, 66));
    const SearchStrip strip = MakeSearchStrip(this, QRect(8, 104, 817, 57));
    m_txtTrova = strip.txtTrova;
    m_btnTrova = strip.btnTrova;

    MakeCard(this, u"shpLista"_s, QRect(8, 168, 817, 313), ListFrameCard);
    m_lstRecords = new ListBox(u"lstRecords"_s, QRect(16, 176, 801, 273), this);

    m_lblRigo03
        = MakeLabel(this, u"lblRigo03"_s, u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_s,
            QPoint(16, 456), help(Palette::Crimson));

    m_btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi"_s, QRect(8, 488, 150, 30));
    m_btnStampa = MakeButton(this, u"btnStampa"_s, u"Stampa"_s, QRect(675, 488, 150, 30));

    setTabOrder(m_txtTrova, m_lstRecords);
    setTabOrder(m_lstRecords, m_btnTrova);
    setTabOrder(m_btnTrova, m_btnStampa);
    setTabOrder(m_btnStampa, m_btnChiudi);

    InstallEnterMovesTo(m_txtTrova, m_btnTrova);
    connect(m_btnTrova, &QPushButton::clicked, this, [this] { m_lstRecords->find(m_txtTrova->text()); });
    connect(m_lstRecords, &ListBox::lineDoubleClicked, this, &ListPanel::lineChosen);
    connect(m_lstRecords, &ListBox::lineEntered, this, &ListPanel::lineChosen);
    connect(m_btnChiudi, &QPushButton::clicked, this, &ListPanel::chiudiClicked);
    connect(m_btnStampa, &QPushButton::clicked, this, &ListPanel::stampaClicked);
}

void ListPanel::resetSearch()
{
    m_lstRecords->resetFind();
    m_txtTrova->clear();
}
