#pragma once
// TfrmUscitiOggi: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmUscitiOggi : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmUscitiOggi(QWidget *parent = nullptr);
};
