#pragma once
// TfrmTrovaClienti: the client search. For now its caption, size, mode word and the chosen card it
// hands back; the criteria, the result list and the hand-over arrive with their own feature.

#include "storage/ClientFile.h"
#include "widgets/Dialog.h"

#include <optional>

class QLabel;

class TfrmTrovaClienti : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);

    // The mode word the opener gives ("visitatore", "operatore_ent", "operatore_usc", "clienti").
    void setMode(const QString &word);
    // The card behind the double-clicked line, once the search has closed on it; nothing otherwise.
    const std::optional<ClientCard> &chosenCard() const { return m_chosen; }

private:
    QLabel *m_lblMemory;
    std::optional<ClientCard> m_chosen;
};
