#pragma once
// TfrmAvvio: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmAvvio : public Screen
{
    Q_OBJECT

public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
