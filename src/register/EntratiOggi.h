#pragma once
// TfrmEntratiOggi: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmEntratiOggi : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmEntratiOggi(QWidget *parent = nullptr);
};
