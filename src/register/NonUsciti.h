#pragma once
// TfrmNonUsciti: its content arrives with its own feature; for now caption and size only.

#include "app/Dialog.h"

class TfrmNonUsciti : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmNonUsciti(QWidget *parent = nullptr);
};
