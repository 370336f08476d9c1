#pragma once
// TfrmMenuRiepilogo: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmMenuRiepilogo : public Screen
{
    Q_OBJECT

public:
    explicit TfrmMenuRiepilogo(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
