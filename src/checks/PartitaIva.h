#pragma once
// TfrmPartitaIva: tells whether a VAT number has the right check digit, and its issuing office.

#include "checks/CheckDialog.h"

class TfrmPartitaIva : public CheckDialog
{
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

protected:
    Verdict check(const QString &text) const override;
};
