#pragma once
// What every fixed record of text fields offers, built on the record's FieldTable: access to the
// fields by index or by name, and conversion to and from the record's exact bytes.
// A record type derives from TextRecord<itself, its field enumeration, its field count, its size in
// bytes> and provides layout(), its table made with MakeFieldTable.

#include "storage/FieldTable.h"
#include "storage/StorageError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

template<typename Record, typename FieldEnum, int Fields, int Bytes> class TextRecord
{
public:
    using Field = FieldEnum;
    using Layout = FieldTable<Record, std::size_t(Fields)>;
    static constexpr int FieldCount = Fields;
    static constexpr int RecordSize = Bytes;

    // The field at its stored-order index, 0 to the record's FieldCount - 1.
    QString &field(int index) { return Record::layout().member(self(), index); }
    const QString &field(int index) const { return Record::layout().member(self(), index); }
    QString &field(Field field) { return this->field(int(field)); }
    const QString &field(Field field) const { return this->field(int(field)); }

    // The stored image: each field trimmed, encoded and cut to its capacity, unused bytes zero.
    QByteArray toBytes() const
    {
        QByteArray out(Record::layout().recordSize(), '\0');
        Record::layout().encode(self(), out.data());
        return out;
    }

    // Reads the first record-size bytes; throws StorageError when fewer are given.
    static Record fromBytes(QByteArrayView bytes)
    {
        using namespace Qt::StringLiterals;
        if (bytes.size() < Record::layout().recordSize())
            throw StorageError(
                u"Record of %1 bytes, %2 expected"_s.arg(bytes.size()).arg(Record::layout().recordSize()));
        return Record::layout().decode(bytes.data());
    }

    bool operator==(const TextRecord &) const = default;

private:
    Record &self() { return static_cast<Record &>(*this); }
    const Record &self() const { return static_cast<const Record &>(*this); }
};
