#pragma once
// The keyboard rules every screen shares: Enter moves along a fixed cycle of boxes, year and
// number boxes take digits only, and code boxes upper-case as the operator types.

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

// Enter in each box moves the focus to the next one, its text selected as Tab leaves it; the
// last leads back to the first.
void InstallEnterCycle(const QList<QWidget *> &boxes);
// Enter in the box moves the focus to the given control.
void InstallEnterMovesTo(QWidget *box, QWidget *next);
// Digits, Backspace, Delete, Left and Right pass; any other typed character is discarded, except
// those listed in alsoAllowed (the "," of amounts); Enter moves the focus to next. Pasted or
// dropped text keeps only the characters typing could enter.
void InstallDigitFilter(QLineEdit *box, QWidget *next, const QString &alsoAllowed = QString());
// The digit filter on a box of at most four characters.
void InstallYearBoxFilter(QLineEdit *box, QWidget *next);
// Code boxes (fiscal code, IBAN): on every key release and after every edit of the operator (a
// paste too) the box is trimmed and a to z upper-cased, the caret keeping its place among the
// characters that stay. Text the program puts in is left as it is until then.
void InstallUpperCaseAsTyped(QLineEdit *box);
// The same rule applied to the box once, now.
void ApplyUpperCaseAsTyped(QLineEdit *box);
// Boxes that only lose their blanks at both ends (an e-mail address): after every edit of the
// operator the box is trimmed, the caret keeping its place.
void InstallTrimmedAsTyped(QLineEdit *box);
// Text the program puts into a box (a loaded card, an import, today's date) is shown from its first
// character, so a long value does not open scrolled to its end.
void ShowBoxText(QLineEdit *box, const QString &text);
