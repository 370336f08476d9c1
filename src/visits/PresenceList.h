#pragma once
// The presence list screen of the visit register: lists the cards of the year file it is given
// that one selection rule picks, finds a line by a word, prints the list and returns a
// double-clicked card to its opener. TfrmNonUsciti, TfrmEntratiOggi and TfrmUscitiOggi are its
// three uses.

#include "visits/PresenceLines.h"
#include "widgets/ListDialog.h"

#include <optional>

class PresenceList : public ListDialog
{
    Q_OBJECT

public:
    PresenceList(PresenceKind kind, QWidget *parent);

    PresenceKind kind() const { return m_kind; }
    // The year file to list; set before the list is shown.
    void setYearFile(const QString &yearFile) { m_yearFile = yearFile; }
    // The card behind the double-clicked line, once the list has closed on it; nothing otherwise.
    const std::optional<PresenceCard> &chosenCard() const { return m_chosen; }

protected:
    bool fill(ListBox *list) override;
    void takeLine(const QString &line, int listedPosition) override;
    void printLines(const QStringList &lines) override;

private:
    const PresenceKind m_kind;
    QString m_yearFile;
    std::optional<PresenceCard> m_chosen;
};
