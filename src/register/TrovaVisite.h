#pragma once
// TfrmTrovaVisite: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmTrovaVisite : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmTrovaVisite(QWidget *parent = nullptr);
};
