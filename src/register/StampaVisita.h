#pragma once
// TfrmStampaVisita: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmStampaVisita : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmStampaVisita(QWidget *parent = nullptr);
};
