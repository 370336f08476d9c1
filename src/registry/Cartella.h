#pragma once
// TfrmCartella: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmCartella : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmCartella(QWidget *parent = nullptr);
};
