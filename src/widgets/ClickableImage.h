#pragma once
// Labels that act as buttons: hand cursor, pressed and released with the left button, clicked on a
// release inside them. A release outside, after the mouse was dragged away, clicks nothing.

#include <QLabel>

class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString &objectName, const QRect &geometry, QWidget *parent);

Q_SIGNALS:
    void clicked();
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture that acts as a button.
class ClickableImage : public ClickableLabel
{
    Q_OBJECT

public:
    // resource: an SVG in the program's resources, e.g. ":/img/esci.svg"; drawn at the given size.
    ClickableImage(const QString &objectName, const QString &resource, const QRect &geometry, QWidget *parent);

    void setPicture(const QString &resource);
};
