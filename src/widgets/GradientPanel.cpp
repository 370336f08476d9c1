#include "widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(QWidget *parent, const QColor &top, const QColor &bottom)
    : QWidget(parent)
    , m_top(top)
    , m_bottom(bottom)
{
}

void GradientPanel::setBorder(const QColor &color, int width, int radius)
{
    m_border = color;
    m_borderWidth = width;
    m_radius = radius;
    update();
}

void GradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_radius > 0);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    if (m_borderWidth > 0)
        painter.setPen(QPen(m_border, m_borderWidth));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    const qreal inset = m_borderWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), m_radius, m_radius);
}
