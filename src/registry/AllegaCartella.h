#pragma once
// TfrmAllegaCartella: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmAllegaCartella : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);
};
