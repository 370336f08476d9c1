#pragma once
// TfrmStatistiche: its content arrives with its own feature; for now caption, size, background and the way back.

#include "app/Screen.h"

class TfrmStatistiche : public Screen
{
    Q_OBJECT

public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);

protected:
    void onClose() override;
};
