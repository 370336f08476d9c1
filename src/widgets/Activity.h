#pragma once
// The activity register as the windows write it: one event per action, after the action. The work
// never waits on it nor stops for it.

#include <QString>

class QWidget;

// Writes the event as this desk and the logged-in operator. When the line cannot be written, an
// office with operators is warned once per run; one without them works as it always has.
void RecordActivity(const QString &event, const QString &details, QWidget *parent);
