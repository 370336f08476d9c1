#pragma once
// Stored Windows-1252 text judged on its bytes, with exactly the answers the decoded text gives:
// trimming, a key looked for with the letters a to z in either case, the list order, an equal
// text. Scans of whole years decide on these and decode only the records they keep.

#include "base/SearchCriteria.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace StoredText {

// What the code page's decoder makes of each byte.
char16_t character(unsigned char byte);
// The rank of the byte's character in the list order (a to z as their capitals, the rest by code
// value): equal ranks for equal characters, never 0.
std::uint8_t sortRank(unsigned char byte);
// The ranks of all 256 bytes, for loops over many bytes.
const std::array<std::uint8_t, 256> &sortRanks();

// The bytes without the characters up to 32 at both ends, as TrimText trims the decoded text.
QByteArrayView trimmed(QByteArrayView bytes);

// The decoded text, as DecodeWindows1252 gives it.
QString decode(QByteArrayView bytes);

// The bytes whose decoded text is `text`; nothing when the text holds a character no byte decodes
// to (such a text equals no stored text).
std::optional<QByteArray> exactBytes(QStringView text);

// The date the program's date rule reads in the (trimmed) bytes, as ParseDate reads the decoded text.
std::optional<QDate> date(QByteArrayView bytes);

} // namespace StoredText

// A key looked for in stored texts, the letters a to z in either case: the same answer as
// FindInList::lineMatches gives on the decoded text.
class FoldedKey
{
public:
    // The key with a to z already lowered, as lineMatches takes it.
    explicit FoldedKey(const QString &loweredKey);

    bool foundIn(QByteArrayView bytes) const;
    // For a text that is not stored bytes.
    bool foundIn(const QString &text) const;

private:
    QString m_lowered;
    QByteArray m_folded; // each byte the first one of the code page with the same lowered character
    bool m_possible = false; // false for an empty key and for one no stored text can hold
};

// A search's criteria judged on stored fields: the same cards as SearchCriteria::matches finds.
class FoldedCriteria
{
public:
    explicit FoldedCriteria(const SearchCriteria &criteria);

    // bytesOf(box) gives the trimmed stored bytes of the field that box is compared with.
    template<typename BytesOf> bool matches(const BytesOf &bytesOf) const
    {
        for (const Key &key : m_keys) {
            if (!key.key.foundIn(QByteArrayView(bytesOf(key.box))))
                return false;
        }
        return true;
    }

private:
    struct Key
    {
        int box;
        FoldedKey key;
    };
    std::vector<Key> m_keys;
};
