#pragma once
// The layout of a fixed record made of ShortString fields laid end to end with no gaps: for each
// field its name, its member in the record type, its capacity, and the offset that follows from
// the capacities before it. One table per record type drives every conversion of that record.

#include "storage/ShortString.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <stdexcept>

template<typename Record, std::size_t N> class FieldTable
{
public:
    using Field = typename Record::Field;

    struct Entry
    {
        Field field;
        QStringView name;
        QString Record::*member;
        int capacity;
    };

    constexpr explicit FieldTable(const std::array<Entry, N> &entries)
        : m_entries(entries)
    {
        int offset = 0;
        for (std::size_t i = 0; i < N; ++i) {
            m_offsets[i] = offset;
            offset += entries[i].capacity + 1;
        }
        m_recordSize = offset;
    }

    constexpr int recordSize() const { return m_recordSize; }
    constexpr int offset(int index) const { return m_offsets[std::size_t(index)]; }
    constexpr int capacity(int index) const { return m_entries[std::size_t(index)].capacity; }
    QString name(int index) const { return m_entries[std::size_t(index)].name.toString(); }

    // True when the entries are listed in the order of the Field enumeration.
    constexpr bool inFieldOrder() const
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (int(m_entries[i].field) != int(i))
                return false;
        }
        return true;
    }

    QString &member(Record &record, int index) const { return record.*(m_entries[std::size_t(index)].member); }
    const QString &member(const Record &record, int index) const
    {
        return record.*(m_entries[std::size_t(index)].member);
    }

    // `out` holds recordSize() bytes.
    void encode(const Record &record, char *out) const
    {
        for (int i = 0; i < int(N); ++i)
            ShortString::store(out + offset(i), capacity(i), member(record, i));
    }
    // `in` holds recordSize() bytes.
    Record decode(const char *in) const
    {
        Record record;
        for (int i = 0; i < int(N); ++i)
            member(record, i) = load(in, i);
        return record;
    }
    QString load(const char *in, int index) const { return ShortString::load(in + offset(index), capacity(index)); }
    QByteArrayView bytes(const char *in, int index) const
    {
        return ShortString::bytes(in + offset(index), capacity(index));
    }
    bool isBlank(const char *in, int index) const { return ShortString::isBlank(in + offset(index), capacity(index)); }

private:
    std::array<Entry, N> m_entries;
    std::array<int, N> m_offsets {};
    int m_recordSize = 0;
};

// The field table of a record type, checked while compiling: the entries follow the field
// enumeration and their fields fill the record's size exactly.
template<typename Record>
consteval typename Record::Layout MakeFieldTable(
    const std::array<typename Record::Layout::Entry, std::size_t(Record::FieldCount)> &entries)
{
    const typename Record::Layout table(entries);
    if (!table.inFieldOrder() || table.recordSize() != Record::RecordSize)
        throw std::logic_error("field table does not match its record"); // fails the build
    return table;
}
