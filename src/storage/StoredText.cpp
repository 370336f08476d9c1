#include "storage/StoredText.h"

#include "base/FindInList.h"
#include "base/TextFunctions.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct Tables
{
    std::array<char16_t, 256> character {};
    std::array<std::uint8_t, 256> rank {};
    std::array<std::uint8_t, 256> folded {};
    std::array<bool, 256> blank {};
};

// Built once from the decoder itself, so the byte rules cannot drift from the decoded ones.
const Tables &tables()
{
    static const Tables built = [] {
        Tables t;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString decoded = DecodeWindows1252(QByteArrayView(&byte, 1));
            Q_ASSERT(decoded.size() == 1);
            t.character[size_t(b)] = decoded.isEmpty() ? char16_t(0xFFFD) : decoded.at(0).unicode();
            t.blank[size_t(b)] = t.character[size_t(b)] <= 32;
        }
        std::vector<char16_t> upper;
        for (char16_t c : t.character)
            upper.push_back(UpperAZChar(c));
        std::sort(upper.begin(), upper.end());
        upper.erase(std::unique(upper.begin(), upper.end()), upper.end());
        for (int b = 0; b < 256; ++b) {
            const char16_t u = UpperAZChar(t.character[size_t(b)]);
            t.rank[size_t(b)] = std::uint8_t(1 + (std::lower_bound(upper.begin(), upper.end(), u) - upper.begin()));
            const char16_t lowered = LowerAZChar(t.character[size_t(b)]);
            int first = 0;
            while (LowerAZChar(t.character[size_t(first)]) != lowered)
                ++first;
            t.folded[size_t(b)] = std::uint8_t(first);
        }
        return t;
    }();
    return built;
}

} // namespace

namespace StoredText {

char16_t character(unsigned char byte)
{
    return tables().character[byte];
}

std::uint8_t sortRank(unsigned char byte)
{
    return tables().rank[byte];
}

const std::array<std::uint8_t, 256> &sortRanks()
{
    return tables().rank;
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    const auto &blank = tables().blank;
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && blank[static_cast<unsigned char>(bytes[begin])])
        ++begin;
    while (end > begin && blank[static_cast<unsigned char>(bytes[end - 1])])
        --end;
    return bytes.sliced(begin, end - begin);
}

QString decode(QByteArrayView bytes)
{
    const auto &character = tables().character;
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (char b : bytes)
        *to++ = character[static_cast<unsigned char>(b)];
    return out;
}

std::optional<QByteArray> exactBytes(QStringView text)
{
    const auto &character = tables().character;
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        // Most text is ASCII, which every byte below 0x80 stands for itself.
        int b = c < 0x80 && character[c] == c ? int(c) : 0;
        if (character[size_t(b)] != c) {
            b = int(std::find(character.begin(), character.end(), c) - character.begin());
            if (b == 256)
                return std::nullopt;
        }
        out[i] = char(b);
    }
    return out;
}

std::optional<QDate> date(QByteArrayView bytes)
{
    const auto digit = [&](int i) { return bytes[i] >= '0' && bytes[i] <= '9'; };
    const auto number = [&](int i, int n) {
        int v = 0;
        for (int k = i; k < i + n; ++k)
            v = v * 10 + (bytes[k] - '0');
        return v;
    };
    // The form the program writes, dd/mm/yyyy, read here; any other goes to the date rule itself.
    if (bytes.size() == 10 && bytes[2] == '/' && bytes[5] == '/' && digit(0) && digit(1) && digit(3) && digit(4)
        && digit(6) && digit(7) && digit(8) && digit(9)) {
        return CalendarDate(number(6, 4), number(3, 2), number(0, 2));
    }
    return ParseDate(TrimText(decode(bytes)));
}

} // namespace StoredText

FoldedKey::FoldedKey(const QString &loweredKey)
    : m_lowered(loweredKey)
{
    const Tables &t = tables();
    m_possible = !loweredKey.isEmpty();
    for (QChar c : loweredKey) {
        int b = 0;
        while (b < 256 && LowerAZChar(t.character[size_t(b)]) != c.unicode())
            ++b;
        if (b == 256) {
            m_possible = false;
            break;
        }
        m_folded += char(t.folded[size_t(b)]);
    }
}

bool FoldedKey::foundIn(QByteArrayView bytes) const
{
    if (!m_possible)
        return false;
    const auto &folded = tables().folded;
    const auto *text = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *key = reinterpret_cast<const unsigned char *>(m_folded.constData());
    const qsizetype n = m_folded.size();
    for (qsizetype start = 0; start + n <= bytes.size(); ++start) {
        if (folded[text[start]] != key[0])
            continue;
        qsizetype i = 1;
        while (i < n && folded[text[start + i]] == key[i])
            ++i;
        if (i == n)
            return true;
    }
    return false;
}

bool FoldedKey::foundIn(const QString &text) const
{
    return FindInList::lineMatches(text, m_lowered);
}

FoldedCriteria::FoldedCriteria(const SearchCriteria &criteria)
{
    for (const SearchCriteria::Key &key : criteria.keys())
        m_keys.push_back({ key.box, FoldedKey(key.lowered) });
}
