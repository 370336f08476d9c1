#pragma once
// TfrmInfo: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmInfo : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget *parent = nullptr);
};
