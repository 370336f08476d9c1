#pragma once
// A record seen in place inside a block read by a scan: fields are decoded only when asked for.
// Valid only during the scan callback that receives it; toRecord() keeps a copy.

#include "storage/StoredText.h"

#include <QByteArrayView>
#include <QString>

template<typename Record> class RecordView
{
public:
    using Field = typename Record::Field;

    // `data` holds the record's bytes and must outlive the view.
    explicit RecordView(const char *data)
        : m_data(data)
    { }

    // The field decoded and trimmed, as the full record would hold it.
    QString field(Field field) const { return Record::layout().load(m_data, int(field)); }

    // The field's stored bytes, trimmed: field(f) decoded. Scans decide on these.
    QByteArrayView bytes(Field field) const { return StoredText::trimmed(Record::layout().bytes(m_data, int(field))); }

    // Same as field(f).isEmpty(), without decoding.
    bool isEmpty(Field field) const { return Record::layout().isBlank(m_data, int(field)); }

    Record toRecord() const { return Record::layout().decode(m_data); }

private:
    const char *m_data;
};
