#pragma once
// TfrmCodFisc: tells whether a fiscal code carries the right check character.

#include "checks/CheckDialog.h"

class TfrmCodFisc : public CheckDialog
{
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

protected:
    Verdict check(const QString &text) const override;
};

// The editors' fiscal code buttons: a box holding only digits has a company's VAT number in it and
// opens the VAT number check; anything else, an empty box too, the fiscal code check.
void ShowFiscalCodeBoxCheck(QWidget *owner, const QString &code);
