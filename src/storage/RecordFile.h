#pragma once
// A file of one record type on FixedRecordFile: the operations every record file offers and its
// scan. VisitFile and ClientFile are its two kinds.
// Each user action opens the file, does its work and closes it; every failure throws StorageError.
// Positions are 1-based and a record keeps its position for the life of the file.

#include "storage/FixedRecordFile.h"
#include "storage/RecordView.h"

#include <QString>

#include <functional>

// A record together with its 1-based position in its file: what a list or a search hands back to
// the window that opened it.
template<typename Record> struct StoredRecord
{
    Record card;
    int position = 0;
};

template<typename Record> class RecordFile
{
public:
    using View = RecordView<Record>;
    using Visitor = std::function<bool(const View &record, int position)>;

    RecordFile()
        : m_file(Record::RecordSize)
    { }

    using Access = FixedRecordFile::Access;

    // Creates a missing file empty; an existing file is never truncated. Only a save asks for writing.
    void open(const QString &path, Access access = Access::ReadWrite) { m_file.open(path, access); }
    // Whole records; trailing bytes of an incomplete record are ignored.
    int count() const { return m_file.count(); }
    // Throws when p is outside 1..count().
    Record readAt(int position) { return Record::fromBytes(m_file.readAt(position)); }
    // Overwrites the record at p (1..count()), flushed to the disk.
    void writeAt(int position, const Record &record) { m_file.writeAt(position, record.toBytes()); }
    // Adds the record after the last one, flushed to the disk, and returns its position. Another copy of
    // the program appending at the same moment gets the next position, never the same one.
    int append(const Record &record) { return m_file.append(record.toBytes()); }
    // Callers close explicitly on success; the destructor closes after an exception.
    void close() { m_file.close(); }

    // Reads every record of the file at `path` in large blocks and calls `visit` with each one and its
    // position, in file order, until `visit` returns false. Opens the file for reading, like open().
    static void scan(const QString &path, const Visitor &visit)
    {
        FixedRecordFile::scan(path, Record::RecordSize,
            [&visit](const char *record, int position) { return visit(View(record), position); });
    }

private:
    FixedRecordFile m_file;
};
