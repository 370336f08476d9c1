#pragma once
// The list of who is still inside: the cards with no exit date.

#include "visits/PresenceList.h"

class TfrmNonUsciti : public PresenceList
{
    Q_OBJECT

public:
    explicit TfrmNonUsciti(QWidget *parent = nullptr);
};
