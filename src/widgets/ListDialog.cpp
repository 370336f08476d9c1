#include "widgets/ListDialog.h"

#include "storage/StorageError.h"
#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"

#include <QLineEdit>
#include <QShowEvent>

ListDialog::ListDialog(const QString &className, const QString &caption, const QString &banner, QWidget *parent)
    : Dialog(className, caption, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
    , m_panel(new ListPanel(banner, this))
{
    setBackground(Qt::black, Qt::white);
    m_panel->move(14, 15);

    connect(m_panel, &ListPanel::lineChosen, this, &ListDialog::lstRecordsDblClick);
    connect(m_panel, &ListPanel::stampaClicked, this, [this] { printLines(m_panel->lstRecords()->lines()); });
    connect(m_panel, &ListPanel::chiudiClicked, this, [this] { closeDialog(QDialog::Rejected); });
}

void ListDialog::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_panel->resetSearch();
    if (!fill(m_panel->lstRecords())) {
        // Closed once the showing is over.
        QMetaObject::invokeMethod(
            this, [this] { closeDialog(QDialog::Rejected); }, Qt::QueuedConnection);
        return;
    }
    m_panel->txtTrova()->setFocus(Qt::OtherFocusReason);
}

void ListDialog::done(int result)
{
    m_panel->lstRecords()->clear();
    Dialog::done(result);
}

void ListDialog::lstRecordsDblClick()
{
    // The opener gets the whole chosen card at once, or nothing: a failure half-way through the
    // file must not leave it showing a mix of two cards.
    const ListBox *list = m_panel->lstRecords();
    try {
        if (list->selectedRow() >= 0)
            takeLine(list->selectedText(), list->selectedTag());
    } catch (const StorageError &) { }
    closeDialog(QDialog::Accepted);
}
