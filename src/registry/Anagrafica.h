#pragma once
// TfrmAnagrafica: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmAnagrafica : public Screen
{
    Q_OBJECT

public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
