#include "checks/Luhn.h"

int LuhnCheckDigit(QStringView digits)
{
    int sum = 0;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        int value = digits.at(i).unicode() - u'0';
        // The digit next to the check digit is doubled, then every second one leftwards.
        if ((n - 1 - i) % 2 == 0) {
            value *= 2;
            if (value > 9)
                value -= 9;
        }
        sum += value;
    }
    return (10 - sum % 10) % 10;
}
