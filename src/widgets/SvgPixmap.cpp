#include "widgets/SvgPixmap.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap SvgPixmap(const QString &resource, const QSize &size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(), QSizeF(size)));
    }
    return pixmap;
}
