#include "widgets/Gradient.h"

#include <QLinearGradient>
#include <QPainter>

void PaintVerticalGradient(QPainter &painter, const QRectF &rect, const GradientLook &look)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, look.top);
    gradient.setColorAt(1, look.bottom);
    const bool framed = look.borderWidth > 0;
    if (!framed && look.radius == 0) {
        painter.fillRect(rect, gradient);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, look.radius > 0);
    if (framed)
        painter.setPen(QPen(look.border, look.borderWidth));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    const qreal inset = look.borderWidth / 2.0;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), look.radius, look.radius);
    painter.restore();
}
