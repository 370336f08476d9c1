#pragma once
// TfrmStatistiche: the monthly visit chart. For now its title and the way back to the start menu.

#include "widgets/Screen.h"

class TfrmStatistiche : public Screen
{
    Q_OBJECT

public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
