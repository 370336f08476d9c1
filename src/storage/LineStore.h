#pragma once
// The lines of a list screen held compactly: each line's stored bytes once, its tag (the position
// of the record it was built from) and a fixed-size prefix of its sort key, so that hundreds of
// thousands of lines sort and scroll without a text object per line. A line's text is made when
// it is asked for: painted, printed or searched.

#include "base/ListText.h"
#include "storage/LargeBlocks.h"
#include "storage/StoredText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class LineStore
{
public:
    // Room for up to `lines` lines of `bytes` in all, taken from the system only as it is filled:
    // a list that may hold every card of a file grows without copying itself.
    void reserve(qsizetype lines, qsizetype bytes);
    // A line in the code page's bytes, as built from stored fields.
    void append(QByteArrayView line, int tag);
    // Any text: a line with a character no byte stands for is kept as it is.
    void append(const QString &line, int tag);
    // Lines and tags side by side (tags[i] goes with lines[i]); no tags gives every line tag 0.
    static LineStore fromLines(const QStringList &lines, const QList<int> &tags = {});

    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    QString line(qsizetype row) const;
    int tag(qsizetype row) const { return m_rows[size_t(row)].tag; }
    QStringList lines() const;
    QList<int> tags() const;

    // The order of SortListLines: CompareListText on the whole lines, equal lines as appended.
    void sort();

    bool lineMatches(qsizetype row, const FoldedKey &key) const;

    // The lines and their tags, as the plain list rules take them.
    ListedLines toListed() const;

private:
    static constexpr int KeySize = 44;
    struct Row
    {
        // Sort ranks of the first KeySize bytes, eight to a word with the first most significant,
        // zeros after the end: words compare as the ranks do.
        std::array<std::uint64_t, (KeySize + 7) / 8> key;
        std::uint32_t sequence; // order of appending
        std::uint32_t offset; // into m_bytes, or into m_wide for a line kept as text
        std::int32_t length; // bytes; -1 for a line kept as text
        int tag;
    };
    // The order of two rows whose key words are equal, or of which one is kept as text.
    bool less(const Row &a, const Row &b) const;
    QByteArrayView bytes(const Row &row) const;
    QString text(const Row &row) const;

    std::vector<Row, LargeBlockAllocator<Row>> m_rows;
    std::vector<char, LargeBlockAllocator<char>> m_bytes;
    QStringList m_wide;
};

// A list line built from stored fields straight into the code page's bytes: the columns of
// NameColumn and FixedColumn, byte for character.
class LineBytes
{
public:
    // Keeps its memory: one LineBytes builds every line of a list.
    void clear() { m_size = 0; }
    // Surname, one blank and first name (both trimmed), padded or cut to `width`.
    void name(QByteArrayView surname, QByteArrayView firstName, int width);
    // The (trimmed) value padded or cut to `width`.
    void column(QByteArrayView value, int width);
    void text(QByteArrayView value);
    QByteArrayView view() const { return QByteArrayView(m_buffer.data(), m_size); }

private:
    // Plain bytes, not a QByteArray: a million lines pay no sharing checks on each append.
    char *room(qsizetype bytes);
    void pad(qsizetype from, int width);
    std::vector<char> m_buffer = std::vector<char>(512);
    qsizetype m_size = 0;
};
