// The four checks on any text, each compared with a plain restatement of its published rule.

#include "FuzzSupport.h"

#include "checks/CardNumber.h"
#include "checks/FiscalCode.h"
#include "checks/IbanCheck.h"
#include "checks/Luhn.h"
#include "checks/VatNumber.h"

namespace {

bool allDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The whole number, check digit included, passes Luhn: from the right, every second digit doubled.
bool luhnValid(const QString &digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        int d = digits.at(digits.size() - 1 - i).unicode() - u'0';
        if (i % 2 == 1)
            d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        sum += d;
    }
    return sum % 10 == 0;
}

// ISO 7064 MOD 97-10 of an IBAN of digits and capitals: first four characters moved to the end,
// letters as 10 to 35, the remainder taken digit by digit.
int mod97(const QString &iban)
{
    const QString moved = iban.mid(4) + iban.left(4);
    int remainder = 0;
    for (QChar c : moved) {
        const int value = c.isDigit() ? c.unicode() - u'0' : c.unicode() - u'A' + 10;
        remainder = value >= 10 ? (remainder * 100 + value) % 97 : (remainder * 10 + value) % 97;
    }
    return remainder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString text = RemainingText(input);

    // Fiscal code: any text is judged, and never read outside the conversion tables.
    const FiscalCodeOutcome fiscal = CheckFiscalCode(text);
    FUZZ_CHECK((fiscal == FiscalCodeOutcome::WrongLength) == (text.size() != FiscalCodeLength));
    if (fiscal == FiscalCodeOutcome::Valid) {
        for (const QChar c : text)
            FUZZ_CHECK((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'));
    }
    (void)FiscalCodeMessage(fiscal);
    (void)FiscalCodeBoxOpensVatCheck(text);

    // VAT number: eleven digits are valid exactly when they pass Luhn.
    const VatNumberResult vat = CheckVatNumber(text);
    if (text.size() != VatNumberLength)
        FUZZ_CHECK(vat.outcome == VatNumberOutcome::WrongLength);
    else if (!allDigits(text))
        FUZZ_CHECK(vat.outcome == VatNumberOutcome::Invalid);
    else
        FUZZ_CHECK((vat.outcome == VatNumberOutcome::Valid) == luhnValid(text));
    FUZZ_CHECK(!VatNumberMessage(vat).text.isEmpty());

    // Card number: the digits among the first 20 characters; passing gives the first digit minus 2.
    const QString digits = CardNumberDigits(text);
    FUZZ_CHECK(digits.size() <= CardNumberScanLength && allDigits(digits));
    const int cardValue = CardCheckValue(text);
    if (digits.isEmpty() || !luhnValid(digits))
        FUZZ_CHECK(cardValue == 0);
    else
        FUZZ_CHECK(cardValue == digits.front().unicode() - u'0' - 2);
    if (!digits.isEmpty())
        FUZZ_CHECK(
            luhnValid(digits.first(digits.size() - 1) + QChar(u'0' + LuhnCheckDigit(digits.first(digits.size() - 1)))));
    const CardNumberResult card = CheckCardNumber(text);
    FUZZ_CHECK(!CardNumberMessage(card).text.isEmpty());

    // IBAN: digits and capitals give the published remainder; anything else gives 0.
    const int ibanValue = IbanCheckValue(text);
    FUZZ_CHECK(ibanValue >= 0 && ibanValue < 97);
    const bool plain = !text.isEmpty() && !text.contains(u"IBAN") && std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
    });
    if (plain)
        FUZZ_CHECK(ibanValue == mod97(text));
    const IbanOutcome iban = CheckIban(text);
    (void)IbanMessage(iban);
    return 0;
}
