#pragma once
// The list of who came in today: the cards whose entry date is today.

#include "visits/PresenceList.h"

class TfrmEntratiOggi : public PresenceList
{
    Q_OBJECT

public:
    explicit TfrmEntratiOggi(QWidget *parent = nullptr);
};
