#include "storage/LineStore.h"

#include <algorithm>
#include <cstring>

void LineStore::reserve(qsizetype lines, qsizetype bytes)
{
    m_rows.reserve(std::size_t(lines));
    m_bytes.reserve(std::size_t(bytes));
}

void LineStore::append(QByteArrayView line, int tag)
{
    Row row;
    row.key.fill(0);
    const qsizetype n = std::min<qsizetype>(line.size(), KeySize);
    const auto &ranks = StoredText::sortRanks();
    for (qsizetype i = 0; i < n; ++i) {
        const std::uint64_t rank = ranks[static_cast<unsigned char>(line[i])];
        row.key[size_t(i / 8)] |= rank << (56 - 8 * (i % 8));
    }
    row.sequence = std::uint32_t(m_rows.size());
    row.offset = std::uint32_t(m_bytes.size());
    row.length = std::int32_t(line.size());
    row.tag = tag;
    m_bytes.insert(m_bytes.end(), line.begin(), line.end());
    m_rows.push_back(row);
}

void LineStore::append(const QString &line, int tag)
{
    if (const std::optional<QByteArray> stored = StoredText::exactBytes(line)) {
        append(QByteArrayView(*stored), tag);
        return;
    }
    Row row;
    row.key.fill(0);
    row.sequence = std::uint32_t(m_rows.size());
    row.offset = std::uint32_t(m_wide.size());
    row.length = -1;
    row.tag = tag;
    m_wide.append(line);
    m_rows.push_back(row);
}

LineStore LineStore::fromLines(const QStringList &lines, const QList<int> &tags)
{
    LineStore store;
    store.m_rows.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        store.append(lines.at(i), i < tags.size() ? tags.at(i) : 0);
    return store;
}

QByteArrayView LineStore::bytes(const Row &row) const
{
    return QByteArrayView(m_bytes.data() + row.offset, row.length);
}

QString LineStore::text(const Row &row) const
{
    return row.length < 0 ? m_wide.at(row.offset) : StoredText::decode(bytes(row));
}

QString LineStore::line(qsizetype index) const
{
    return text(m_rows[size_t(index)]);
}

QStringList LineStore::lines() const
{
    QStringList out;
    out.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        out.append(line(i));
    return out;
}

QList<int> LineStore::tags() const
{
    QList<int> out;
    out.reserve(size());
    for (const Row &row : m_rows)
        out.append(row.tag);
    return out;
}

bool LineStore::less(const Row &a, const Row &b) const
{
    int order = 0;
    if (a.length < 0 || b.length < 0) {
        order = CompareListText(text(a), text(b));
    } else if (a.length > KeySize || b.length > KeySize) {
        // Equal prefixes, one line at least longer than the prefix: the rest decides.
        const auto *pa = reinterpret_cast<const unsigned char *>(m_bytes.data() + a.offset);
        const auto *pb = reinterpret_cast<const unsigned char *>(m_bytes.data() + b.offset);
        const std::int32_t n = std::min(a.length, b.length);
        for (std::int32_t i = KeySize; i < n && order == 0; ++i) {
            if (pa[i] != pb[i])
                order = int(StoredText::sortRank(pa[i])) - int(StoredText::sortRank(pb[i]));
        }
        if (order == 0)
            order = a.length - b.length;
    }
    return order != 0 ? order < 0 : a.sequence < b.sequence;
}

void LineStore::sort()
{
    std::sort(m_rows.begin(), m_rows.end(), [this](const Row &a, const Row &b) {
        // Eight ranks at a time, kept inline: the first word decides most comparisons. A line kept
        // as text has a zero key, so it always goes the slow way.
        if (a.length >= 0 && b.length >= 0) {
            for (std::size_t w = 0; w < a.key.size(); ++w) {
                if (a.key[w] != b.key[w])
                    return a.key[w] < b.key[w];
            }
        }
        return less(a, b);
    });
}

bool LineStore::lineMatches(qsizetype index, const FoldedKey &key) const
{
    const Row &row = m_rows[size_t(index)];
    return row.length < 0 ? key.foundIn(m_wide.at(row.offset)) : key.foundIn(bytes(row));
}

ListedLines LineStore::toListed() const
{
    return { lines(), tags(), true };
}

char *LineBytes::room(qsizetype bytes)
{
    if (m_size + bytes > qsizetype(m_buffer.size()))
        m_buffer.resize(std::max(m_buffer.size() * 2, std::size_t(m_size + bytes)));
    char *at = m_buffer.data() + m_size;
    m_size += bytes;
    return at;
}

void LineBytes::text(QByteArrayView value)
{
    if (!value.isEmpty())
        std::memcpy(room(value.size()), value.data(), std::size_t(value.size()));
}

void LineBytes::name(QByteArrayView surname, QByteArrayView firstName, int width)
{
    const qsizetype from = m_size;
    text(surname);
    *room(1) = ' ';
    text(firstName);
    pad(from, width);
}

void LineBytes::column(QByteArrayView value, int width)
{
    const qsizetype from = m_size;
    text(value);
    pad(from, width);
}

void LineBytes::pad(qsizetype from, int width)
{
    const qsizetype written = m_size - from;
    if (written < width)
        std::memset(room(width - written), ' ', std::size_t(width - written));
    else
        m_size = from + width;
}
