#include "widgets/GradientPanel.h"

#include <QPainter>

GradientPanel::GradientPanel(const GradientLook &look, QWidget *parent)
    : QWidget(parent)
    , m_look(look)
{ }

void GradientPanel::setLook(const GradientLook &look)
{
    m_look = look;
    update();
}

void GradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintVerticalGradient(painter, rect(), m_look);
}
