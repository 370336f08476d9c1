#pragma once
// A widget painted as one gradient box: the cards, panels and framing shapes of the screens.

#include "widgets/Gradient.h"

#include <QWidget>

class GradientPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GradientPanel(const GradientLook &look, QWidget *parent = nullptr);

    const GradientLook &look() const { return m_look; }
    void setLook(const GradientLook &look);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GradientLook m_look;
};
