#pragma once
// The one painter of the program's gradients: a box filled from top to bottom, optionally framed
// with rounded corners. Screens, dialogs, cards and the printed reports all paint through it.

#include <QColor>

class QPainter;
class QRectF;

struct GradientLook
{
    GradientLook(const QColor &top = Qt::white, const QColor &bottom = Qt::white, const QColor &border = QColor(),
        int borderWidth = 0, int radius = 0)
        : top(top)
        , bottom(bottom)
        , border(border)
        , borderWidth(borderWidth)
        , radius(radius)
    { }

    QColor top;
    QColor bottom;
    // No frame while the width is 0.
    QColor border;
    int borderWidth;
    int radius;
};

// Fills rect with the look: the gradient runs over the rect's whole height and the frame lies
// inside the rect. Rounded boxes are antialiased, square ones are not.
void PaintVerticalGradient(QPainter &painter, const QRectF &rect, const GradientLook &look);
