#pragma once
// The Luhn check digit shared by credit card numbers and Italian VAT numbers.

#include <QStringView>

// The digit that completes the given digits (all '0'..'9') so the whole number passes the Luhn
// check: counting leftwards from the last given digit, every other digit is doubled and summed
// digit by digit. 0 for no digits.
int LuhnCheckDigit(QStringView digits);
