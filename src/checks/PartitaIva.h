#pragma once
// TfrmPartitaIva: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmPartitaIva : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);
};
