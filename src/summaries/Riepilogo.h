#pragma once
// TfrmRiepilogo: its content arrives with its own feature; for now caption and size only.

#include "widgets/Dialog.h"

class TfrmRiepilogo : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmRiepilogo(QWidget *parent = nullptr);
};
