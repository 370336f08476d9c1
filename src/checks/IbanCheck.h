#pragma once
// The ISO 7064 MOD 97-10 check of an IBAN, for the 27 characters of an Italian one.

#include "checks/CheckCommon.h"

#include <QString>

// Both the required length and the box's maximum length.
inline constexpr qsizetype IbanLength = 27;

enum class IbanOutcome { WrongLength, Valid, Invalid };

// The remainder modulo 97 of the rearranged IBAN: 1 when it is valid, 0 when a character
// other than a blank, a digit or a letter A to Z is present.
int IbanCheckValue(const QString &text);

IbanOutcome CheckIban(const QString &text);
CheckMessage IbanMessage(IbanOutcome outcome);
