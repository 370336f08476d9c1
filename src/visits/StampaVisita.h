#pragma once
// TfrmStampaVisita: prints the visit card on screen as a receipt, the same card twice on one A4
// sheet (a copy for the visitor above the cutting line, one for the institution below it). A card
// on file carries, on each copy, a QR code of its year file and position ("PV:2026:12").

#include "output/ReportLayout.h"
#include "storage/TSchedaVisita.h"
#include "widgets/Dialog.h"

#include <optional>

class QPushButton;

class TfrmStampaVisita : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);

    // The card the receipt prints; an empty card until the opener hands one in.
    void setCard(const TSchedaVisita &card);
    // Where the card is kept: its year file's name ("2026.vis") and its position, none for a card
    // not saved yet. The activity register names the print by them; the QR code holds them.
    void setPlace(const QString &fileName, std::optional<int> position);

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

private:
    // Writes the card's values, the QR code of codeText (when the layout has one) and the moment
    // of printing into repDocumento.
    void fillReport(const QString &codeText);

    ReportLayout m_repDocumento;
    TSchedaVisita m_card;
    QString m_printedAs;
    QString m_codeText; // empty for a card not on file
    QPushButton *m_btnAnnulla;
    QPushButton *m_btnStampa;
};
