#pragma once
// TfrmIban: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmIban : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmIban(QWidget *parent = nullptr);
};
