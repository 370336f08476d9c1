#pragma once
// The program's pictures are SVGs: each is drawn at the size it is shown, in as many pixels as the
// screen has there, so it stays sharp on a high-density screen.

#include <QPixmap>
#include <QSize>
#include <QString>

// An SVG resource rendered at `size` (device-independent pixels) at the application's device pixel
// ratio; transparent where the picture is, and empty when the resource is not a picture.
QPixmap SvgPixmap(const QString &resource, const QSize &size);
