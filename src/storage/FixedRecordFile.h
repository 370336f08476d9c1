#pragma once
// A file of records of one fixed size, addressed by 1-based position, under both record files.
// Opened for one user action and closed at its end; the destructor closes it when an exception
// leaves the scope. Every failure throws StorageError.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <functional>

class FixedRecordFile
{
public:
    explicit FixedRecordFile(int recordSize);
    ~FixedRecordFile();
    Q_DISABLE_COPY_MOVE(FixedRecordFile)

    enum class Access { Read, ReadWrite };
    // A missing file is created empty, an existing one is never truncated. Opened for reading, a
    // file the user may only read is read, and a missing file that cannot be created reads as empty.
    void open(const QString &path, Access access = Access::ReadWrite);
    // Throws when the close fails; closing a closed file does nothing.
    void close();

    // Whole records only: trailing bytes of an incomplete record are never read.
    int count() const;
    // The record at position p (1 <= p <= count).
    QByteArray readAt(int position);
    // Overwrites the record at position p (1 <= p <= count). When the write fails the former record
    // is put back.
    void writeAt(int position, QByteArrayView record);
    // Writes after the last whole record under an exclusive lock beside the file, so two copies of
    // the program never take the same position; returns the new record's position.
    // When the write fails the file is cut back to its whole records before it.
    int append(QByteArrayView record);

    // Reads the file in large blocks and calls `visit` with each record's bytes and position
    // until it returns false. Opens it for reading (as open does) and closes it itself. Under a
    // work with progress each block counts, and a cancelled work stops it with WorkCancelled.
    static void scan(
        const QString &path, int recordSize, const std::function<bool(const char *record, int position)> &visit);

    // Grows by one as each write or append of this program to any record file begins and again as
    // it ends: a reader that finds the same count before and after its reading saw no write of ours.
    static quint64 writeMarks();

private:
    void requireOpen() const;
    void seekToIndex(qint64 index);
    QByteArray readRecords(qint64 firstIndex, qint64 records);
    void readRecords(qint64 firstIndex, qint64 records, QByteArray &into);
    void writeRecord(qint64 index, QByteArrayView record);
    void restoreRecord(qint64 index, QByteArrayView record);
    [[noreturn]] void fail(const QString &what) const;

    const int m_recordSize;
    QFile m_file;
    bool m_absent = false; // opened for reading, with no file and no way to create one
};
