#pragma once
// A picture that acts as a button: hand cursor, clicked on release inside it.

#include <QLabel>

class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    // resource: an SVG in the program's resources, e.g. ":/img/esci.svg"; drawn at the given size.
    ClickableImage(const QString &objectName, const QString &resource, const QRect &geometry, QWidget *parent);

    void setPicture(const QString &resource);

Q_SIGNALS:
    void clicked();
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
