#include "checks/FiscalCode.h"

#include "base/TextFunctions.h"

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// Values of "0" to "9" and then "A" to "Z"; no other character has one.
// clang-format off
constexpr int OddValues[] = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, // 0-9
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23, // A-Z
};
constexpr int EvenValues[] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, // 0-9
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, // A-Z
};
// clang-format on
static_assert(std::size(OddValues) == 36);
static_assert(std::size(EvenValues) == 36);

// The place of a digit or capital letter in the tables; nothing for any other character.
std::optional<int> TableIndex(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'Z')
        return c.unicode() - u'A' + 10;
    return std::nullopt;
}

} // namespace

bool FiscalCodeBoxOpensVatCheck(const QString &text)
{
    const QString value = TrimText(text);
    return !value.isEmpty() && IsAllDigits(value);
}

std::optional<QChar> FiscalCodeCheckCharacter(const QString &code)
{
    if (code.size() < FiscalCodeLength - 1)
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < FiscalCodeLength - 1; ++i) {
        const std::optional<int> index = TableIndex(code.at(i));
        if (!index)
            return std::nullopt;
        // Positions are counted from 1, so even indexes are the odd positions.
        sum += i % 2 == 0 ? OddValues[*index] : EvenValues[*index];
    }
    return QChar(u'A' + sum % 26);
}

FiscalCodeOutcome CheckFiscalCode(const QString &text)
{
    const QString code = UpperAZ(text);
    if (code.size() != FiscalCodeLength)
        return FiscalCodeOutcome::WrongLength;
    // A character without a value cannot be judged valid: the code is wrong.
    const std::optional<QChar> expected = FiscalCodeCheckCharacter(code);
    return expected && code.at(FiscalCodeLength - 1) == *expected ? FiscalCodeOutcome::Valid
                                                                  : FiscalCodeOutcome::Invalid;
}

CheckMessage FiscalCodeMessage(FiscalCodeOutcome outcome)
{
    switch (outcome) {
    case FiscalCodeOutcome::WrongLength:
        return { CheckMessage::Kind::Warning,
            u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s };
    case FiscalCodeOutcome::Valid:
        return { CheckMessage::Kind::Information, u"Il codice fiscale digitato è VALIDO."_s };
    case FiscalCodeOutcome::Invalid:
        break;
    }
    return { CheckMessage::Kind::Warning, u"Attenzione: il codice fiscale digitato è ERRATO."_s };
}
