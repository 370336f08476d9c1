#pragma once
// TfrmAnagrafica: the client registry screen. For now its title and the way back to the start menu.

#include "widgets/Screen.h"

class TfrmAnagrafica : public Screen
{
    Q_OBJECT

public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
