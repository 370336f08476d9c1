#pragma once
// TfrmSplash: the credits window of the start menu, with the maker's web address.

#include "widgets/Dialog.h"

class TfrmSplash : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);
};
