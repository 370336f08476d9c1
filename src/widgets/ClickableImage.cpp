#include "widgets/ClickableImage.h"

#include "widgets/SvgPixmap.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString &objectName, const QRect &geometry, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Q_EMIT released();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

ClickableImage::ClickableImage(
    const QString &objectName, const QString &resource, const QRect &geometry, QWidget *parent)
    : ClickableLabel(objectName, geometry, parent)
{
    setPicture(resource);
}

void ClickableImage::setPicture(const QString &resource)
{
    setPixmap(SvgPixmap(resource, size()));
}
