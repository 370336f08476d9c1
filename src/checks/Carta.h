#pragma once
// TfrmCarta: tells whether a credit card number passes the Luhn check, and its network.

#include "checks/CheckDialog.h"

class TfrmCarta : public CheckDialog
{
    Q_OBJECT

public:
    explicit TfrmCarta(QWidget *parent = nullptr);

protected:
    Verdict check(const QString &text) const override;
};
