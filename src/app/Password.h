#pragma once
// TfrmPassword: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmPassword : public Screen
{
    Q_OBJECT

public:
    explicit TfrmPassword(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
