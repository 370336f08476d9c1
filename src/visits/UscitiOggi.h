#pragma once
// The list of who left today: the cards whose exit date is today.

#include "visits/PresenceList.h"

class TfrmUscitiOggi : public PresenceList
{
    Q_OBJECT

public:
    explicit TfrmUscitiOggi(QWidget *parent = nullptr);
};
