#pragma once
// TfrmCarta: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmCarta : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmCarta(QWidget *parent = nullptr);
};
