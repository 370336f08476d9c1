#pragma once
// TfrmExpVisite: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmExpVisite : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmExpVisite(QWidget *parent = nullptr);
};
