#pragma once
// TfrmStampaVisita: prints the visit card on screen as a receipt, the same card twice on one A4
// sheet (a copy for the visitor above the cutting line, one for the institution below it).

#include "output/ReportLayout.h"
#include "storage/TSchedaVisita.h"
#include "widgets/Dialog.h"

class QPushButton;

class TfrmStampaVisita : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);

    // The card the receipt prints; an empty card until the opener hands one in.
    void setCard(const TSchedaVisita &card);

    // Writes the card's values and the moment of printing into repDocumento.
    void fillReport();
    const ReportLayout &repDocumento() const { return m_repDocumento; }

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

private:
    ReportLayout m_repDocumento;
    TSchedaVisita m_card;
    QPushButton *m_btnAnnulla;
    QPushButton *m_btnStampa;
};
