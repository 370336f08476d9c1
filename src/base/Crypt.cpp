#include "base/Crypt.h"

namespace {

constexpr quint16 StartKey = 5846;
constexpr quint32 Multiplier = 47329;
constexpr quint32 Addend = 39174;

// Both directions feed the key with the scrambled byte, so they stay in step.
quint16 nextKey(quint16 key, quint8 scrambled)
{
    return quint16((quint32(key) + scrambled) * Multiplier + Addend);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString ScrambleText(const QString &text)
{
    static constexpr char16_t Digits[] = u"0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = StartKey;
    for (QChar ch : text) {
        const auto c = quint8((ch.unicode() & 0xFF) ^ (key >> 8));
        out += QChar(Digits[c >> 4]);
        out += QChar(Digits[c & 0x0F]);
        key = nextKey(key, c);
    }
    return out;
}

QString UnscrambleText(const QString &hex)
{
    QString out;
    out.reserve(hex.size() / 2);
    quint16 key = StartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexValue(hex.at(i));
        const int low = hexValue(hex.at(i + 1));
        if (high < 0 || low < 0)
            throw PasswordError("the stored password is not hexadecimal text");
        const auto c = quint8(high * 16 + low);
        out += QChar(char16_t(c ^ (key >> 8)));
        key = nextKey(key, c);
    }
    return out;
}
