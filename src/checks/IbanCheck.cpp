#include "checks/IbanCheck.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

int IbanCheckValue(const QString &text)
{
    QString iban = UpperAZ(QString(text).remove(u' '));
    const qsizetype word = iban.indexOf(u"IBAN");
    if (word >= 0)
        iban.remove(word, 4);
    iban = iban.mid(4) + iban.left(4);

    QString digits;
    for (QChar c : iban) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
        else if (c >= u'A' && c <= u'Z')
            digits.append(QString::number(c.unicode() - u'A' + 10));
        else
            return 0; // signs included: they must never read as part of a number
    }

    // Pieces keep every intermediate number within nine digits.
    QString carry;
    qsizetype pieceLength = 9;
    qsizetype pos = 0;
    while (pos < digits.size()) {
        const QString piece = digits.mid(pos, pieceLength);
        pos += piece.size();
        carry = QString::number((carry + piece).toInt() % 97);
        pieceLength = 9 - carry.size();
    }
    return carry.isEmpty() ? 0 : carry.toInt();
}

IbanOutcome CheckIban(const QString &text)
{
    const QString iban = TrimText(text);
    if (iban.size() != IbanLength)
        return IbanOutcome::WrongLength;
    return IbanCheckValue(iban) == 1 ? IbanOutcome::Valid : IbanOutcome::Invalid;
}

CheckMessage IbanMessage(IbanOutcome outcome)
{
    switch (outcome) {
    case IbanOutcome::WrongLength:
        return { CheckMessage::Kind::Warning,
            u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s };
    case IbanOutcome::Valid:
        return { CheckMessage::Kind::Information, u"L'IBAN digitato è VALIDO."_s };
    case IbanOutcome::Invalid:
        break;
    }
    return { CheckMessage::Kind::Warning, u"Attenzione: l'IBAN digitato è ERRATO!"_s };
}
