#pragma once
// TfrmDaRinnovare: the list of instalments due. For now its caption, size and the chosen card it
// hands back; the list arrives with its own feature.

#include "storage/ClientFile.h"
#include "widgets/Dialog.h"

#include <optional>

class TfrmDaRinnovare : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmDaRinnovare(QWidget *parent = nullptr);

    // The card behind the double-clicked line, once the list has closed on it; nothing otherwise.
    const std::optional<ClientCard> &chosenCard() const { return m_chosen; }

private:
    std::optional<ClientCard> m_chosen;
};
