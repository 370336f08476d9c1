#pragma once
// TfrmTrovaClienti: the client search. Finds registry cards by up to ten criteria, lists them,
// finds a line, prints the list, and hands the double-clicked card back to its opener when the
// mode word asks for one.

#include "storage/ClientFile.h"
#include "widgets/SearchDialog.h"

#include <optional>

class TfrmTrovaClienti : public SearchDialog
{
    Q_OBJECT

public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);

    // A double-clicked line hands its card back to the opener that set a mode other than the visit
    // editor's own search.

    // The card behind the double-clicked line, once the search has closed on it; nothing otherwise.
    const std::optional<ClientCard> &chosenCard() const { return m_chosen; }

protected:
    LineStore search(const SearchCriteria &criteria) override;
    void takeLine(const QString &line, int listedPosition) override;
    void printLines(const QStringList &lines) override;

private:
    std::optional<ClientCard> m_chosen;
};
