#pragma once
// TfrmTrovaVisite: the visit search. For now its caption, size, year file, mode word and the chosen
// card it hands back; the criteria, the result list and the hand-over arrive with their own feature.

#include "register/PresenceLines.h"
#include "widgets/Dialog.h"

#include <optional>

class QLabel;

class TfrmTrovaVisite : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmTrovaVisite(QWidget *parent = nullptr);

    // The year file to search; set before the search is shown.
    void setYearFile(const QString &yearFile) { m_yearFile = yearFile; }
    // The mode word the opener gives ("registro").
    void setMode(const QString &word);
    // The card behind the double-clicked line, once the search has closed on it; nothing otherwise.
    const std::optional<PresenceCard> &chosenCard() const { return m_chosen; }

private:
    QString m_yearFile;
    QLabel *m_lblMemory;
    std::optional<PresenceCard> m_chosen;
};
