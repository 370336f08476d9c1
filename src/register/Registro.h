#pragma once
// TfrmRegistro: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmRegistro : public Screen
{
    Q_OBJECT

public:
    explicit TfrmRegistro(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
