#pragma once
// TfrmGuida: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmGuida : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget *parent = nullptr);
};
