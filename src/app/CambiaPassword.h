#pragma once
// TfrmCambiaPassword: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmCambiaPassword : public Screen
{
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
