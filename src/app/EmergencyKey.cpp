#include "app/EmergencyKey.h"

#include "visits/StampaEmergenza.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

bool EmergencyKey::eventFilter(QObject *watched, QEvent *event)
{
    // A key press reaches the window's handle first and then its widgets, each parent in turn:
    // only the first widget to see it acts, and the press goes no further.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F12 || key->modifiers() != Qt::NoModifier)
        return false;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    if (!key->isAutoRepeat())
        PrintEmergencyList(static_cast<QWidget *>(watched)->window());
    return true;
}
