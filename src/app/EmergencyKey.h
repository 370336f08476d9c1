#pragma once
// F12 on any screen of the program prints the emergency roll-call at once. Installed on the
// application by CreateAppWindows(); a modal dialog or an open popup keeps the key for itself.

#include <QObject>

class EmergencyKey : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
