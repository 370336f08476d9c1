#include "register/PresenceList.h"

#include "base/ScreenSettings.h"
#include "output/ListReport.h"
#include "storage/StorageError.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/KeyRules.h"
#include "widgets/ListBanner.h"
#include "widgets/ListBox.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace {

struct KindTexts
{
    QString className;
    QString caption;
    QString banner;
};

KindTexts textsOf(PresenceKind kind)
{
    switch (kind) {
    case PresenceKind::NonUsciti:
        return { u"TfrmNonUsciti"_s, u" Visitatori non ancora usciti"_s, u"VISITATORI NON ANCORA USCITI"_s };
    case PresenceKind::EntratiOggi:
        return { u"TfrmEntratiOggi"_s, u" Visitatori entrati oggi"_s, u"VISITATORI ENTRATI OGGI"_s };
    case PresenceKind::UscitiOggi:
        return { u"TfrmUscitiOggi"_s, u" Visitatori usciti oggi"_s, u"VISITATORI USCITI OGGI"_s };
    }
    return {};
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
    const QColor &color = QColor(16, 32, 60))
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(QFont(u"Verdana"_s, 8));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    label->move(at);
    label->adjustSize();
    return label;
}

GradientPanel *makeShape(QWidget *parent, const QString &name, const QRect &geometry, const QColor &top,
    const QColor &bottom, const QColor &border)
{
    auto *shape = new GradientPanel(parent, top, bottom);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    shape->setBorder(border, 1, 4);
    return shape;
}

} // namespace

PresenceList::PresenceList(PresenceKind kind, QWidget *parent)
    : Dialog(textsOf(kind).className, textsOf(kind).caption, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
    , m_kind(kind)
{
    ApplyScreenSettings();
    setBackground(Qt::black, Qt::white);

    auto *panel = makeShape(this, u"panContainer"_s, QRect(14, 15, 833, 529), QColor(246, 248, 251),
        QColor(216, 224, 234), QColor(120, 136, 158));

    new ListBanner(u"imgLogo"_s, textsOf(kind).banner, QRect(8, 8, 817, 53), panel);
    makeLabel(panel, u"lblRigo01"_s,
        u"Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
        u"pulsante Trova."_s,
        QPoint(8, 66));
    makeLabel(panel, u"lblRigo02"_s,
        u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
        u"Trova."_s,
        QPoint(8, 82));

    auto *shpLente
        = makeShape(panel, u"shpLente"_s, QRect(8, 104, 81, 57), Qt::white, Qt::white, QColor(120, 136, 158));
    auto *imgLente = new QLabel(shpLente);
    imgLente->setObjectName(u"imgLente"_s);
    imgLente->setGeometry(19, 7, 43, 43);
    imgLente->setPixmap(SvgPixmap(u":/img/lente.svg"_s, imgLente->size()));

    makeShape(
        panel, u"shpSfondo"_s, QRect(96, 104, 729, 57), QColor(92, 140, 196), QColor(28, 62, 112), QColor(14, 34, 74));

    m_txtTrova = new QLineEdit(panel);
    m_txtTrova->setObjectName(u"txtTrova"_s);
    m_txtTrova->setGeometry(112, 122, 593, 22);
    m_txtTrova->setFont(QFont(u"Verdana"_s, 12, QFont::Bold));
    m_txtTrova->setStyleSheet(u"QLineEdit { background: white; color: #102a4c; border: 1px solid #0e224a;"
                              " padding: 0px 4px; }"_s);

    m_btnTrova = MakeButton(panel, u"btnTrova"_s, u"Trova"_s, QRect(710, 117, 105, 30));

    makeShape(panel, u"shpLista"_s, QRect(8, 168, 817, 313), QColor(232, 238, 246), QColor(190, 204, 222),
        QColor(120, 136, 158));
    m_lstRecords = new ListBox(u"lstRecords"_s, QRect(16, 176, 801, 273), panel);

    makeLabel(panel, u"lblRigo03"_s, u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_s,
        QPoint(16, 456), QColor(220, 20, 60));

    m_btnChiudi = MakeButton(panel, u"btnChiudi"_s, u"Chiudi"_s, QRect(8, 488, 150, 30));
    m_btnStampa = MakeButton(panel, u"btnStampa"_s, u"Stampa"_s, QRect(675, 488, 150, 30));

    setTabOrder(m_txtTrova, m_lstRecords);
    setTabOrder(m_lstRecords, m_btnTrova);
    setTabOrder(m_btnTrova, m_btnStampa);
    setTabOrder(m_btnStampa, m_btnChiudi);

    InstallEnterMovesTo(m_txtTrova, m_btnTrova);
    connect(m_btnTrova, &QPushButton::clicked, this, &PresenceList::btnTrovaClick);
    connect(m_lstRecords, &ListBox::lineDoubleClicked, this, &PresenceList::lstRecordsDblClick);
    connect(m_btnStampa, &QPushButton::clicked, this, &PresenceList::btnStampaClick);
    connect(m_btnChiudi, &QPushButton::clicked, this, &PresenceList::btnChiudiClick);
}

void PresenceList::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void PresenceList::done(int result)
{
    m_lstRecords->clear();
    Dialog::done(result);
}

void PresenceList::formShow()
{
    m_lstRecords->resetFind();
    m_txtTrova->clear();
    const PresenceLines read = ReadPresenceLines(m_kind, m_yearFile, PresenceToday());
    m_lstRecords->setLines(read.lines, read.positions);
    m_txtTrova->setFocus(Qt::OtherFocusReason);
}

void PresenceList::btnTrovaClick()
{
    m_lstRecords->find(m_txtTrova->text());
}

void PresenceList::lstRecordsDblClick()
{
    // The opener gets the whole chosen card at once, or nothing: a failure half-way through the
    // file must not leave it showing a mix of two cards.
    try {
        if (m_lstRecords->selectedRow() >= 0)
            m_chosen = FindPresenceCard(m_kind, m_yearFile, m_lstRecords->selectedText(), m_lstRecords->selectedTag());
    } catch (const StorageError &) {
        // The screen closes without a message; the opener keeps the card it had.
        m_chosen.reset();
    }
    closeDialog(QDialog::Accepted);
}

void PresenceList::btnStampaClick()
{
    PrintListReport(this, PresenceReportTitle(m_kind, PresenceToday()), m_lstRecords->lines());
}

void PresenceList::btnChiudiClick()
{
    closeDialog(QDialog::Rejected);
}
