#pragma once
// TfrmCodFisc: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmCodFisc : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);
};
