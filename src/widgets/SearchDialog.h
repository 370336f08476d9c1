#pragma once
// A search screen: the criteria panel panAvvio first, then, after one successful Cerca, the result
// list panContainer (the list panel with the banner RISULTATI DI RICERCA and the count lblTrovate)
// for the rest of the screen's life. A search that cannot read its file says so and keeps the
// criteria. A chosen line (double-click, or Enter on it) is handed to the screen, which then closes.
// TfrmTrovaVisite and TfrmTrovaClienti say what is searched, how a line leads back to its card and
// how the list prints.

#include "base/ListText.h"
#include "storage/LineStore.h"
#include "widgets/Dialog.h"
#include "widgets/SearchCriteriaPanel.h"

class ListPanel;
class QLabel;
class SearchCriteria;

#include <optional>

// Who opens a search and for what: the visit editor's own search, the registry's, or the visit
// editor taking the visitor or an operator from the registry. The hidden lblMemory shows it by
// its word ("registro", "clienti", "visitatore", "operatore_ent", "operatore_usc").
enum class SearchMode { Registro, Clienti, Visitatore, OperatoreEnt, OperatoreUsc };

class SearchDialog : public Dialog
{
    Q_OBJECT

public:
    void setMode(SearchMode mode);

protected:
    SearchDialog(const QString &className, const QString &caption, const QList<SearchCriteriaPanel::Box> &boxes,
        const QString &picture, QWidget *parent);

    // Nothing until the opener sets it.
    std::optional<SearchMode> mode() const { return m_mode; }

    // The lines of the cards the criteria find, each with its card's position. Throws StorageError
    // when the file cannot be read.
    virtual LineStore search(const SearchCriteria &criteria) = 0;
    // The operator chose this line, built from the card at `listedPosition`: find the card and keep
    // it for the opener. Throws StorageError when the file cannot be read; the screen closes anyway.
    virtual void takeLine(const QString &line, int listedPosition) = 0;
    // Stampa: print the result lines, in displayed order.
    virtual void printLines(const QStringList &lines) = 0;

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void btnCercaClick();
    void lstRecordsDblClick();
    void btnStampaClick();

    SearchCriteriaPanel *m_criteria;
    ListPanel *m_results;
    QLabel *m_lblTrovate;
    QLabel *m_lblMemory;
    std::optional<SearchMode> m_mode;
};
