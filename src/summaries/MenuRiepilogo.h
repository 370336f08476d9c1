#pragma once
// TfrmMenuRiepilogo: the summary criteria. For now its title and the way back to the start menu.

#include "widgets/Screen.h"

class TfrmMenuRiepilogo : public Screen
{
    Q_OBJECT

public:
    explicit TfrmMenuRiepilogo(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
