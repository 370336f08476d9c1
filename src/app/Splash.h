#pragma once
// TfrmSplash: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmSplash : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);
};
