#include "visits/PresenceList.h"

#include "output/ListReport.h"
#include "storage/StorageError.h"
#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"

#include <QLineEdit>
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

} // namespace

PresenceList::PresenceList(PresenceKind kind, QWidget *parent)
    : Dialog(textsOf(kind).className, textsOf(kind).caption, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
    , m_kind(kind)
    , m_panel(new ListPanel(textsOf(kind).banner, this))
{
    setBackground(Qt::black, Qt::white);
    m_panel->move(14, 15);

    connect(m_panel, &ListPanel::lineChosen, this, &PresenceList::lstRecordsDblClick);
    connect(m_panel, &ListPanel::stampaClicked, this, &PresenceList::btnStampaClick);
    connect(m_panel, &ListPanel::chiudiClicked, this, &PresenceList::btnChiudiClick);
}

void PresenceList::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void PresenceList::done(int result)
{
    m_panel->lstRecords()->clear();
    Dialog::done(result);
}

void PresenceList::formShow()
{
    m_panel->resetSearch();
    m_panel->lstRecords()->setLines(ListPresenceLines(m_kind, m_yearFile, PresenceToday()));
    m_panel->txtTrova()->setFocus(Qt::OtherFocusReason);
}

void PresenceList::lstRecordsDblClick()
{
    // The opener gets the whole chosen card at once, or nothing: a failure half-way through the
    // file must not leave it showing a mix of two cards.
    const ListBox *list = m_panel->lstRecords();
    try {
        if (list->selectedRow() >= 0)
            m_chosen = FindPresenceCard(m_kind, m_yearFile, list->selectedText(), list->selectedTag());
    } catch (const StorageError &) {
        // The screen closes without a message; the opener keeps the card it had.
        m_chosen.reset();
    }
    closeDialog(QDialog::Accepted);
}

void PresenceList::btnStampaClick()
{
    PrintListReport(this, PresenceReportTitle(m_kind, PresenceToday()), m_panel->lstRecords()->lines());
}

void PresenceList::btnChiudiClick()
{
    closeDialog(QDialog::Rejected);
}
