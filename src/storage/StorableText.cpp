#include "storage/StorableText.h"

#include "base/TextFunctions.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <QTextBoundaryFinder>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A letter typed as base letter plus combining mark is the letter the code page may hold.
bool isStorable(QStringView character)
{
    const QString composed = character.toString().normalized(QString::NormalizationForm_C);
    for (char32_t c : composed.toUcs4()) {
        if (!IsWindows1252Character(c))
            return false;
    }
    return true;
}

QList<QStringView> characters(const QString &text)
{
    QList<QStringView> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        out.append(QStringView(text).sliced(start, end - start));
        start = end;
    }
    return out;
}

std::unique_ptr<icu::Transliterator> openTransliterator(const char *id)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(
        icu::Transliterator::createInstance(icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !t)
        throw StorageError(u"Transliterator unavailable: "_s + QString::fromLatin1(id));
    return t;
}

// Opening a transliterator compiles its rules: done once per run.
const icu::Transliterator &anyLatin()
{
    static const std::unique_ptr<icu::Transliterator> t = openTransliterator("Any-Latin");
    return *t;
}

const icu::Transliterator &latinAscii()
{
    static const std::unique_ptr<icu::Transliterator> t = openTransliterator("Latin-ASCII");
    return *t;
}

QString transliterate(const icu::Transliterator &transliterator, QStringView text)
{
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.data()), int32_t(text.size()));
    transliterator.transliterate(s);
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

// The Latin transcription of a run of characters the code page lacks, keeping only what it holds.
QString transcribeRun(QStringView run)
{
    const QString latin = transliterate(anyLatin(), run).normalized(QString::NormalizationForm_C);
    QString out;
    for (QStringView character : characters(latin)) {
        if (isStorable(character)) {
            out += character;
            continue;
        }
        const QString ascii = transliterate(latinAscii(), character).normalized(QString::NormalizationForm_C);
        for (char32_t c : ascii.toUcs4()) {
            if (IsWindows1252Character(c))
                out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

} // namespace

QStringList UnstorableCharacters(const QString &text)
{
    QStringList found;
    for (QStringView character : characters(text)) {
        if (!isStorable(character) && !found.contains(character))
            found.append(character.toString());
    }
    return found;
}

QString StorableTranscription(const QString &text)
{
    const QList<QStringView> all = characters(text);
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < all.size()) {
        if (isStorable(all.at(i))) {
            out += all.at(i);
            ++i;
            continue;
        }
        // One run over the blanks between words, so a name in another script is read as a whole.
        qsizetype end = i + 1;
        qsizetype last = i;
        while (end < all.size() && (!isStorable(all.at(end)) || all.at(end) == u" "_s)) {
            if (!isStorable(all.at(end)))
                last = end;
            ++end;
        }
        const QStringView first = all.at(i);
        const QStringView final = all.at(last);
        out += transcribeRun(
            QStringView(text).sliced(first.data() - text.data(), final.data() + final.size() - first.data()));
        i = last + 1;
    }
    QString collapsed;
    collapsed.reserve(out.size());
    for (QChar c : out) {
        if (c == u' ' && collapsed.endsWith(u' '))
            continue;
        collapsed += c;
    }
    return TrimText(collapsed);
}

std::optional<UnstorableBox> FindUnstorableBox(const QList<CaptionedText> &boxes)
{
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QStringList found = UnstorableCharacters(boxes.at(i).text);
        if (found.isEmpty())
            continue;
        return UnstorableBox { i,
            u"Attenzione: il campo "_s + boxes.at(i).caption
                + u" contiene caratteri che non possono essere memorizzati in archivio: "_s + found.join(u' ')
                + u".\r\n\r\nSi vuole sostituirli con la loro trascrizione in caratteri latini?"_s };
    }
    return std::nullopt;
}

QString CaptionOfLabel(const QString &label)
{
    const qsizetype colon = label.indexOf(u':');
    return TrimText(colon < 0 ? label : label.left(colon));
}
