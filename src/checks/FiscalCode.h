#pragma once
// The check character of an Italian fiscal code, and what the fiscal code check tells about a code.

#include "checks/CheckCommon.h"

#include <QString>
#include <optional>

// Both the required length and the box's maximum length.
inline constexpr qsizetype FiscalCodeLength = 16;

enum class FiscalCodeOutcome { WrongLength, Valid, Invalid };

// The editors' fiscal code buttons take a box holding only digits for a VAT number.
bool FiscalCodeBoxOpensVatCheck(const QString &text);

// The check character due to the first 15 characters of an upper-case code; none when there are
// fewer, or when one of them lies outside "0" to "Z" and so has no value.
std::optional<QChar> FiscalCodeCheckCharacter(const QString &code);

FiscalCodeOutcome CheckFiscalCode(const QString &text);
CheckMessage FiscalCodeMessage(FiscalCodeOutcome outcome);
