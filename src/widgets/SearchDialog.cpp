#include "widgets/SearchDialog.h"

#include "base/SearchCriteria.h"
#include "storage/StorageError.h"
#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"
#include "widgets/Screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

SearchDialog::SearchDialog(const QString &className, const QString &caption,
    const QList<SearchCriteriaPanel::Box> &boxes, const QString &picture, QWidget *parent)
    : Dialog(className, caption, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
    , m_criteria(new SearchCriteriaPanel(boxes, picture, this))
    , m_results(new ListPanel(u"RISULTATI DI RICERCA"_s, this))
    , m_lblMemory(MakeHiddenLabel(this, u"lblMemory"_s))
{
    setBackground(Qt::black, Qt::white);
    m_criteria->move(14, 15);
    m_results->move(14, 15);
    m_results->hide();
    m_lblTrovate = MakeLabel(m_results, u"lblTrovate"_s, u"Il presente elenco contiene 0 schede."_s,
        QRect(177, 494, 480, 18), { VerdanaFont(9, true), Palette::DarkCyan, Qt::AlignCenter });

    connect(m_criteria, &SearchCriteriaPanel::cercaClicked, this, &SearchDialog::btnCercaClick);
    connect(m_criteria, &SearchCriteriaPanel::annullaClicked, this, [this] { closeDialog(QDialog::Rejected); });
    connect(m_results, &ListPanel::lineChosen, this, &SearchDialog::lstRecordsDblClick);
    connect(m_results, &ListPanel::stampaClicked, this, &SearchDialog::btnStampaClick);
    connect(m_results, &ListPanel::chiudiClicked, this, [this] { closeDialog(QDialog::Rejected); });
}

void SearchDialog::setMode(SearchMode mode)
{
    static const QString words[]
        = { u"registro"_s, u"clienti"_s, u"visitatore"_s, u"operatore_ent"_s, u"operatore_usc"_s };
    m_mode = mode;
    m_lblMemory->setText(words[int(mode)]);
}

void SearchDialog::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_results->resetSearch();
    if (m_criteria->isVisible())
        m_criteria->firstBox()->setFocus(Qt::OtherFocusReason);
}

void SearchDialog::done(int result)
{
    m_results->lstRecords()->clear();
    m_criteria->lblAttendere()->hide();
    Dialog::done(result);
}

void SearchDialog::btnCercaClick()
{
    const SearchCriteria criteria(m_criteria->typed());
    m_criteria->setFilledCount(criteria.filledCount());
    std::optional<LineStore> found;
    try {
        found = ComputeOffWindow<LineStore>(this, u"Ricerca in corso..."_s, [&] { return search(criteria); });
    } catch (const StorageError &) {
        // The criteria stay as typed, so the operator can try again.
        m_criteria->lblAttendere()->hide();
        Messages::notice(AccessFailureText(), this);
        return;
    }
    if (!found) {
        // Annulla: the criteria stay, nothing found is shown.
        m_criteria->lblAttendere()->hide();
        return;
    }
    ListBox *list = m_results->lstRecords();
    list->setLines(std::move(*found));
    m_lblTrovate->setText(FoundCountText(list->count()));

    m_results->show();
    m_criteria->hide();
    m_results->txtTrova()->clear();
    m_results->txtTrova()->setFocus(Qt::OtherFocusReason);
}

void SearchDialog::lstRecordsDblClick()
{
    const ListBox *list = m_results->lstRecords();
    try {
        if (list->selectedRow() >= 0)
            takeLine(list->selectedText(), list->selectedTag());
    } catch (const StorageError &) {
        // The screen closes without a message; the opener keeps what it showed.
    }
    closeDialog(QDialog::Accepted);
}

void SearchDialog::btnStampaClick()
{
    printLines(m_results->lstRecords()->lines());
}
