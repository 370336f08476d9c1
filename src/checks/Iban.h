#pragma once
// TfrmIban: tells whether an IBAN passes the MOD 97-10 check.

#include "checks/CheckDialog.h"

class TfrmIban : public CheckDialog
{
    Q_OBJECT

public:
    explicit TfrmIban(QWidget *parent = nullptr);

protected:
    Verdict check(const QString &text) const override;
};
