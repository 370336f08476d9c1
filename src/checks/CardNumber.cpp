#include "checks/CardNumber.h"

#include "base/TextFunctions.h"
#include "checks/Luhn.h"

using namespace Qt::StringLiterals;

namespace {

int digitAt(const QString &digits, qsizetype i)
{
    return digits.at(i).unicode() - u'0';
}

bool PassesLuhn(const QString &digits)
{
    const qsizetype n = digits.size();
    return n > 0 && digitAt(digits, n - 1) == LuhnCheckDigit(QStringView(digits).first(n - 1));
}

// Numbers starting with 3 take their network from the first two characters of the text.
QString networkOfThree(const QString &number)
{
    const QString start = number.left(2);
    if (start == u"30" || start == u"36" || start == u"38")
        return u"Diner's Club / Carte Blanche"_s;
    if (start == u"34" || start == u"37")
        return u"American Express"_s;
    if (start == u"31" || start == u"33" || start == u"35")
        return u"JCB"_s;
    return {};
}

} // namespace

QString CardNumberDigits(const QString &text)
{
    QString digits;
    for (QChar c : text.left(CardNumberScanLength)) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    }
    return digits;
}

int CardCheckValue(const QString &text)
{
    const QString digits = CardNumberDigits(text);
    return PassesLuhn(digits) ? digitAt(digits, 0) - 2 : 0;
}

CardNumberResult CheckCardNumber(const QString &text)
{
    const QString number = TrimText(text);
    if (number.isEmpty())
        return { CardNumberOutcome::Empty, number, {} };
    // The MasterCard numbers given out since 2017 start with 2221 to 2720.
    const QString digits = CardNumberDigits(number);
    const int start = digits.left(4).toInt();
    if (digits.size() >= 4 && start >= 2221 && start <= 2720 && PassesLuhn(digits))
        return { CardNumberOutcome::Valid, number, u"MasterCard"_s };
    QString network;
    switch (CardCheckValue(number)) {
    case 1:
        network = networkOfThree(number);
        if (network.isEmpty())
            return { CardNumberOutcome::UnknownNetwork, number, {} };
        break;
    case 2:
        network = u"Visa"_s;
        break;
    case 3:
        network = u"MasterCard"_s;
        break;
    case 4:
        network = u"Discover"_s;
        break;
    default:
        return { CardNumberOutcome::Invalid, number, {} };
    }
    return { CardNumberOutcome::Valid, number, network };
}

CheckMessage CardNumberMessage(const CardNumberResult &result)
{
    switch (result.outcome) {
    case CardNumberOutcome::Empty:
        return CheckMessage { CheckMessage::Kind::Warning,
            u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
            u"controllo."_s };
    case CardNumberOutcome::Valid:
        return CheckMessage { CheckMessage::Kind::Information,
            u"Il numero di carta di credito "_s + result.number
                + u" risulta valido.\r\n\r\nLa carta di credito è del tipo "_s + result.network + u"."_s };
    case CardNumberOutcome::UnknownNetwork:
        return CheckMessage { CheckMessage::Kind::Information,
            u"Il numero di carta di credito "_s + result.number
                + u" risulta valido.\r\n\r\nIl circuito della carta di credito non è stato riconosciuto."_s };
    case CardNumberOutcome::Invalid:
        break;
    }
    return CheckMessage { CheckMessage::Kind::Warning,
        u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
        u"informazioni relative al tipo di carta di credito."_s };
}
