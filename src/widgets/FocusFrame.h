#pragma once
// The yellow frame behind the edit box that has the focus.

class QWidget;

// Creates the frame "eff" + the box's field name (txtCognome -> effCognome) behind the box,
// 4 units larger on every side, hidden until the box takes the focus. Call after placing the box.
QWidget *AttachFocusFrame(QWidget *box);
