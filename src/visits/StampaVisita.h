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
    // How the activity register names the print: the receipt, its file and position.
    void setPrintedAs(const QString &details) { m_printedAs = details; }

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

private:
    // Writes the card's values and the moment of printing into repDocumento.
    void fillReport();

    ReportLayout m_repDocumento;
    TSchedaVisita m_card;
    QString m_printedAs;
    QPushButton *m_btnAnnulla;
    QPushButton *m_btnStampa;
};
