#include "storage/Windows1252.h"

#include "storage/StorageError.h"

#include <unicode/ucnv.h>

#include <array>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// Opening a converter costs far more than converting one field, and scans convert millions.
UConverter *converter()
{
    thread_local ConverterPtr cached;
    if (!cached) {
        UErrorCode status = U_ZERO_ERROR;
        ConverterPtr opened(ucnv_open("windows-1252", &status));
        if (U_FAILURE(status) || !opened)
            throw StorageError(u"Windows-1252 converter unavailable: "_s + QString::fromLatin1(u_errorName(status)));
        // ICU's own substitute is 0x1A, a control character that trimming would silently drop.
        ucnv_setSubstChars(opened.get(), "?", 1, &status);
        if (U_FAILURE(status))
            throw StorageError(u"Windows-1252 substitute not accepted: "_s + QString::fromLatin1(u_errorName(status)));
        cached = std::move(opened);
    }
    ucnv_reset(cached.get());
    return cached.get();
}

// The characters bytes 0x80-0x9F stand for; every other byte is the Latin-1 character of its value.
const std::array<char16_t, 32> &upperControlRange()
{
    static const std::array<char16_t, 32> table = [] {
        std::array<char16_t, 32> result {};
        for (int i = 0; i < 32; ++i) {
            const char byte = char(0x80 + i);
            result[size_t(i)] = DecodeWindows1252(QByteArrayView(&byte, 1)).at(0).unicode();
        }
        return result;
    }();
    return table;
}

bool inCodePage(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    for (char16_t mapped : upperControlRange()) {
        if (mapped == c)
            return true;
    }
    return false;
}

bool allInCodePage(QStringView text)
{
    for (QChar c : text) {
        if (!inCodePage(c.unicode()))
            return false;
    }
    return true;
}

// Letters that carry their mark in the glyph itself, so decomposing them finds no base letter.
char16_t strokedLetterBase(char32_t c)
{
    switch (c) {
    case U'ł':
        return u'l';
    case U'Ł':
        return u'L';
    case U'đ':
        return u'd';
    case U'Đ':
        return u'D';
    case U'ı':
        return u'i';
    default:
        return 0;
    }
}

// The base letter of a character the code page lacks, or an empty text when there is none.
QString baseLetters(QStringView character)
{
    if (character.size() == 1) {
        if (char16_t base = strokedLetterBase(character.at(0).unicode()))
            return QString(QChar(base));
    }
    const QString decomposed = character.toString().normalized(QString::NormalizationForm_D);
    QString base;
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            base += c;
    }
    if (base == character || !allInCodePage(base))
        return QString();
    return base;
}

QString bestFit(const QString &text)
{
    if (allInCodePage(text))
        return text;
    // A letter typed as base letter plus combining mark is the letter the code page may hold.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size();) {
        const qsizetype units
            = (composed.at(i).isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate()) ? 2
                                                                                                                   : 1;
        const QStringView character = QStringView(composed).sliced(i, units);
        if (allInCodePage(character)) {
            out += character;
        } else {
            const QString base = baseLetters(character);
            out += base.isEmpty() ? character : QStringView(base);
        }
        i += units;
    }
    return out;
}

} // namespace

bool IsWindows1252Character(char32_t c)
{
    return inCodePage(c);
}

QByteArray EncodeWindows1252(const QString &text)
{
    if (text.isEmpty())
        return QByteArray();
    const QString fitted = bestFit(text);
    // Never more bytes than UTF-16 units; one more for ICU's terminating zero.
    QByteArray out(fitted.size() + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_fromUChars(converter(), out.data(), int32_t(out.size()),
        reinterpret_cast<const UChar *>(fitted.constData()), int32_t(fitted.size()), &status);
    if (U_FAILURE(status))
        throw StorageError(u"Windows-1252 encoding failed: "_s + QString::fromLatin1(u_errorName(status)));
    out.truncate(written);
    return out;
}

QString DecodeWindows1252(QByteArrayView bytes)
{
    bool latin1 = true;
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F) {
            latin1 = false;
            break;
        }
    }
    // Outside 0x80-0x9F the code page is Latin-1, the common case worth a shortcut in scans.
    if (latin1)
        return QString::fromLatin1(bytes);
    QString out(bytes.size() + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_toUChars(converter(), reinterpret_cast<UChar *>(out.data()), int32_t(out.size()),
        bytes.data(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        throw StorageError(u"Windows-1252 decoding failed: "_s + QString::fromLatin1(u_errorName(status)));
    out.truncate(written);
    return out;
}
