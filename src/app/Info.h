#pragma once
// TfrmInfo: the information window of the start menu, with the maker's e-mail link.

#include "widgets/Dialog.h"

class TfrmInfo : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget *parent = nullptr);

private:
    void lnkWebClick();
};
