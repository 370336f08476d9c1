#pragma once
// The large year box of the year selection and of the monthly statistics: the year in Verdana bold,
// centred, on white inside the cards' border.

#include <QRect>
#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

QLineEdit *MakeYearBox(QWidget *parent, const QString &name, const QRect &geometry, int points);
// This year, in four digits.
void ShowThisYear(QLineEdit *box);
// The year the box holds; nothing once the operator has been told to type four digits, with the
// focus back in the box.
std::optional<QString> TypedYear(QWidget *owner, QLineEdit *box);
