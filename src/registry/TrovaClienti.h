#pragma once
// TfrmTrovaClienti: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmTrovaClienti : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);
};
