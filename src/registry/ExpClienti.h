#pragma once
// TfrmExpClienti: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmExpClienti : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmExpClienti(QWidget *parent = nullptr);
};
