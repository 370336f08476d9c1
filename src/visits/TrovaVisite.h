#pragma once
// TfrmTrovaVisite: the visit search. Finds the cards of the open year file by up to ten criteria,
// lists them, finds a line, prints the list, and hands the double-clicked card back to the visit
// card editor.

#include "visits/PresenceLines.h"
#include "widgets/SearchDialog.h"

#include <optional>

class TfrmTrovaVisite : public SearchDialog
{
    Q_OBJECT

public:
    explicit TfrmTrovaVisite(QWidget *parent = nullptr);

    // The year file to search; set before the search is shown.
    void setYearFile(const QString &yearFile) { m_yearFile = yearFile; }
    // A double-clicked line hands its card back in the mode SearchMode::Registro only.

    // The card behind the double-clicked line, once the search has closed on it; nothing otherwise.
    const std::optional<PresenceCard> &chosenCard() const { return m_chosen; }

protected:
    LineStore search(const SearchCriteria &criteria) override;
    void takeLine(const QString &line, int listedPosition) override;
    void printLines(const QStringList &lines) override;

private:
    QString m_yearFile;
    std::optional<PresenceCard> m_chosen;
};
