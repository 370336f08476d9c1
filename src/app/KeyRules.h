#pragma once
// The keyboard rules every screen shares: Enter moves along a fixed cycle of boxes, and year
// and number boxes take digits only.

#include <QList>

class QLineEdit;
class QWidget;

// Enter in each box moves the focus to the next one; the last leads back to the first.
void InstallEnterCycle(const QList<QWidget *> &boxes);
// Enter in the box moves the focus to the given control.
void InstallEnterMovesTo(QWidget *box, QWidget *next);
// Digits, Backspace, Delete, Left and Right pass; any other typed character is discarded;
// Enter moves the focus to next. Pasted text is not filtered.
void InstallDigitFilter(QLineEdit *box, QWidget *next);
// The digit filter on a box of at most four characters.
void InstallYearBoxFilter(QLineEdit *box, QWidget *next);
