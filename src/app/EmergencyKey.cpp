#include "app/EmergencyKey.h"

#include "visits/StampaEmergenza.h"
#include "widgets/OffWindowWork.h"

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
    // A modal dialog keeps the key for itself, save the progress of a long work: the desk may need
    // the roll-call while a year is being read.
    if ((QApplication::activeModalWidget() && !OffWindowWorkRunning()) || QApplication::activePopupWidget())
        return false;
    if (!key->isAutoRepeat())
        PrintEmergencyList(static_cast<QWidget *>(watched)->window());
    return true;
}
