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
