#include "clients/DaRinnovare.h"

#include "base/Clock.h"
#include "output/ListReport.h"
#include "clients/InstalmentsDue.h"
#include "storage/StorageError.h"
#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"

#include <QLineEdit>
#include <QShowEvent>

using namespace Qt::StringLiterals;

TfrmDaRinnovare::TfrmDaRinnovare(QWidget *parent)
    : Dialog(u"TfrmDaRinnovare"_s, u" Riepilogo rate in scadenza o scadute"_s, QSize(862, 560), parent,
        Dialog::Placement::CentreOnScreen)
    , m_panel(new ListPanel(u"RATE IN SCADENZA O SCADUTE"_s, this))
{
    setBackground(Qt::black, Qt::white);
    m_panel->move(14, 15);

    connect(m_panel, &ListPanel::lineChosen, this, &TfrmDaRinnovare::lstRecordsDblClick);
    connect(m_panel, &ListPanel::stampaClicked, this, &TfrmDaRinnovare::btnStampaClick);
    connect(m_panel, &ListPanel::chiudiClicked, this, [this] { closeDialog(QDialog::Rejected); });
}

void TfrmDaRinnovare::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TfrmDaRinnovare::done(int result)
{
    m_panel->lstRecords()->clear();
    Dialog::done(result);
}

void TfrmDaRinnovare::formShow()
{
    m_panel->resetSearch();
    const ListedLines read = ReadInstalmentsDue(Clock::today());
    m_panel->lstRecords()->setLines(read.lines, read.positions);
    m_panel->txtTrova()->setFocus(Qt::OtherFocusReason);
}

void TfrmDaRinnovare::lstRecordsDblClick()
{
    const ListBox *list = m_panel->lstRecords();
    try {
        if (list->selectedRow() >= 0)
            m_chosen = FindInstalmentDueCard(list->selectedText(), list->selectedTag());
    } catch (const StorageError &) {
        // The list closes without a message; the editor keeps the card it had.
        m_chosen.reset();
    }
    closeDialog(QDialog::Accepted);
}

void TfrmDaRinnovare::btnStampaClick()
{
    PrintListReport(this, u"Riepilogo rate in scadenza o scadute"_s, m_panel->lstRecords()->lines());
}
