#pragma once
// TfrmMenuRegistro: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmMenuRegistro : public Screen
{
    Q_OBJECT

public:
    explicit TfrmMenuRegistro(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
