#pragma once
// TfrmStampaVisita: prints the visit card on screen as a receipt, the same card twice on one A4
// sheet (a copy for the visitor above the cutting line, one for the institution below it).

#include "app/Dialog.h"
#include "output/ReportLayout.h"

#include <QStringList>
#include <optional>

class QPushButton;

class TfrmStampaVisita : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);

    // The sixteen boxes of the visit editor, in card order; the receipt reads its values from the
    // owner's boxes of these names.
    static const QStringList &CardBoxes();

    // Prints these sixteen values instead of the owner's boxes.
    void setValues(const QStringList &values);

    // Writes the card's values and the moment of printing into repDocumento.
    void fillReport();
    const ReportLayout &repDocumento() const { return m_repDocumento; }

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

private:
    QStringList cardValues() const;

    ReportLayout m_repDocumento;
    std::optional<QStringList> m_values;
    QPushButton *m_btnAnnulla;
    QPushButton *m_btnStampa;
};
