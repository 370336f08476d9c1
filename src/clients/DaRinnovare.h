#pragma once
// TfrmDaRinnovare: the list of instalments due. Lists the registry cards whose next instalment is
// within its notice period or overdue, finds a line, prints the list, and hands the double-clicked
// card back to the client card editor that opened it.

#include "storage/ClientFile.h"
#include "widgets/ListDialog.h"

#include <optional>

class TfrmDaRinnovare : public ListDialog
{
    Q_OBJECT

public:
    explicit TfrmDaRinnovare(QWidget *parent = nullptr);

    // The card behind the double-clicked line, once the list has closed on it; nothing otherwise.
    const std::optional<ClientCard> &chosenCard() const { return m_chosen; }

protected:
    bool fill(ListBox *list) override;
    void takeLine(const QString &line, int listedPosition) override;
    void printLines(const QStringList &lines) override;

private:
    std::optional<ClientCard> m_chosen;
};
