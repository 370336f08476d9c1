#pragma once
// The Luhn check of a credit card number and the card's network named from its first digits.

#include "checks/CheckCommon.h"

#include <QString>

inline constexpr qsizetype CardNumberMaxLength = 30;
// Only the digits among this many leading characters make up the number.
inline constexpr qsizetype CardNumberScanLength = 20;

enum class CardNumberOutcome {
    Empty, // nothing to check: the dialog asks for the number and stays open
    Valid, // the number passes and its network is known
    Invalid,
    UnknownNetwork, // passes, starts with 3, but with no known network
};

struct CardNumberResult
{
    CardNumberOutcome outcome = CardNumberOutcome::Invalid;
    // The trimmed text, repeated as typed in the message.
    QString number;
    QString network;
};

// The digits among the first characters of the text, every other character skipped.
QString CardNumberDigits(const QString &text);
// 0 when the number fails the Luhn check or has no digits; otherwise its first digit minus 2.
int CardCheckValue(const QString &text);

CardNumberResult CheckCardNumber(const QString &text);
CheckMessage CardNumberMessage(const CardNumberResult &result);
