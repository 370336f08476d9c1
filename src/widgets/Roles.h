#pragma once
// The functions kept for administrators: closed, with a hint that says why, while an "Operatore"
// is logged in; open with their own hint otherwise (always, in an office without operators).

class HintLine;
class QWidget;

// Applied on each showing of the window, since operators change at the login. The hint is the
// one `line` shows for the control, or its tooltip when the window has no hint line.
void ApplyRole(QWidget *control, HintLine *line = nullptr);
