#pragma once
// The check digit of an Italian VAT number and the VAT office that issued it.

#include "checks/CheckCommon.h"

#include <QString>

// Both the required length and the box's maximum length.
inline constexpr qsizetype VatNumberLength = 11;

enum class VatNumberOutcome { WrongLength, Valid, Invalid };

struct VatNumberResult
{
    VatNumberOutcome outcome = VatNumberOutcome::Invalid;
    // The three digits before the check digit of a valid number.
    QString officeCode;
    // The issuing office of a valid number; empty when its code has no office.
    QString office;
};

// The office of a three-digit office code; empty for any other code.
QString VatOfficeName(const QString &code);

VatNumberResult CheckVatNumber(const QString &text);
CheckMessage VatNumberMessage(const VatNumberResult &result);
