#pragma once
// What a card editor does around its record file, the same in both editors: one guarded block per
// file action, the position label read, the question before a changed card is dropped, and an
// arrow's step put on screen.

#include "base/RecordBar.h"

#include <functional>
#include <optional>

class QLabel;
class QWidget;

// Runs one file action; any access failure ends it with the one fixed message over owner.
void RunFileAction(QWidget *owner, const std::function<void()> &action);

// The position the label shows, 0 for a card not saved yet. A label that is not a position fails
// the action as the file would, with the access message, and gives nothing.
std::optional<int> ShownPosition(QWidget *owner, const QLabel *label);

// Whether the card on screen may be replaced or left: yes when it holds no unsaved change (the
// boxes store what the card held when it was last loaded, saved or started), otherwise the
// operator is asked.
bool MayLeaveCard(QWidget *owner, bool changed);

// Puts an arrow's step on screen: `load` reads and shows the card at a position, or the label
// empties when the file holds no card; then `close` closes the file, and an empty file is told.
void ShowRecordStep(QWidget *owner, QLabel *label, const RecordStep &step, const std::function<void(int)> &load,
    const std::function<void()> &close);
