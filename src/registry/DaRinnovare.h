#pragma once
// TfrmDaRinnovare: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmDaRinnovare : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmDaRinnovare(QWidget *parent = nullptr);
};
