#include "storage/FixedRecordFile.h"

#include "base/DiskSync.h"
#include "base/WorkProgress.h"
#include "storage/FileLock.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Small enough to stay in the processor's cache between the read and the look at its records.
constexpr qint64 ScanBlockBytes = 256 * 1024;
std::atomic<quint64> writeMarkCount { 0 };

// Marks a write's start and its end, however it ends.
struct WriteMark
{
    WriteMark() { ++writeMarkCount; }
    ~WriteMark() { ++writeMarkCount; }
    Q_DISABLE_COPY_MOVE(WriteMark)
};

} // namespace

FixedRecordFile::FixedRecordFile(int recordSize)
    : m_recordSize(recordSize)
{ }

FixedRecordFile::~FixedRecordFile()
{
    // Reached with the file open only when an exception left the action; nothing to report then.
    if (m_file.isOpen())
        m_file.close();
}

void FixedRecordFile::open(const QString &path, Access access)
{
    if (m_file.isOpen())
        close();
    m_file.setFileName(path);
    m_absent = false;
    if (path.isEmpty())
        fail(u"No file name"_s);
    if (access == Access::Read && !QFileInfo::exists(path)) {
        // A year's file comes into being at its first use; in a folder that exists but takes no new
        // file, a file that is not there holds no records, and reading it is no failure.
        QFile created(path);
        if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            created.close();
        else if (const QFileInfo entry(path); !entry.exists() && !entry.isSymLink() && entry.dir().exists()) {
            m_absent = true;
            return;
        }
    }
    // Unbuffered: no stale buffer between reads, and bytes reach the system at each write. A read
    // asks for no more than reading, so a file the user may only read is still read.
    const QIODevice::OpenMode mode = access == Access::Read ? QIODevice::ReadOnly : QIODevice::ReadWrite;
    if (!m_file.open(mode | QIODevice::Unbuffered))
        fail(u"Cannot open or create: "_s + m_file.errorString());
}

void FixedRecordFile::close()
{
    m_absent = false;
    if (!m_file.isOpen())
        return;
    m_file.unsetError();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        fail(u"Cannot close: "_s + m_file.errorString());
}

int FixedRecordFile::count() const
{
    if (m_absent)
        return 0;
    requireOpen();
    return int(std::min<qint64>(m_file.size() / m_recordSize, INT_MAX));
}

QByteArray FixedRecordFile::readAt(int position)
{
    if (position < 1 || position > count())
        fail(u"No record at position %1 of %2"_s.arg(position).arg(count()));
    const QByteArray record = readRecords(position - 1, 1);
    return record;
}

quint64 FixedRecordFile::writeMarks()
{
    return writeMarkCount;
}

void FixedRecordFile::writeAt(int position, QByteArrayView record)
{
    const WriteMark mark;
    if (position < 1 || position > count())
        fail(u"No record at position %1 of %2"_s.arg(position).arg(count()));
    // A save that fails leaves the stored card as it was: neither half written nor written without
    // the disk confirming it, while the operator is told it was not saved.
    const QByteArray before = readRecords(position - 1, 1);
    try {
        writeRecord(position - 1, record);
    } catch (const StorageError &) {
        restoreRecord(position - 1, before);
        throw;
    }
}

int FixedRecordFile::append(QByteArrayView record)
{
    const WriteMark mark;
    requireOpen();
    const FileLock lock(m_file.fileName());
    // Counted under the lock: another copy may have appended since this file was opened.
    const qint64 index = m_file.size() / m_recordSize;
    if (index >= INT_MAX)
        fail(u"File full"_s);
    try {
        writeRecord(index, record);
    } catch (const StorageError &) {
        // Nothing of a failed save stays behind: the operator, told it failed, saves again, and
        // the card must not then be there twice. Still under the lock, so no other copy has
        // appended after it.
        if (m_file.resize(index * m_recordSize))
            SyncToDisk(m_file.handle());
        throw;
    }
    return int(index + 1);
}

void FixedRecordFile::scan(
    const QString &path, int recordSize, const std::function<bool(const char *record, int position)> &visit)
{
    FixedRecordFile file(recordSize);
    file.open(path, Access::Read);
    const qint64 total = file.count();
    const qint64 blockRecords = std::max<qint64>(1, ScanBlockBytes / recordSize);
    WorkProgress::expectRead(total * recordSize);
    QByteArray block;
    for (qint64 first = 0; first < total; first += blockRecords) {
        const qint64 records = std::min(blockRecords, total - first);
        file.readRecords(first, records, block);
        WorkProgress::read(records * recordSize);
        for (qint64 i = 0; i < records; ++i) {
            if (!visit(block.constData() + i * recordSize, int(first + i + 1))) {
                file.close();
                return;
            }
        }
    }
    file.close();
}

void FixedRecordFile::requireOpen() const
{
    if (!m_file.isOpen())
        fail(u"File not open"_s);
}

void FixedRecordFile::seekToIndex(qint64 index)
{
    if (!m_file.seek(index * m_recordSize))
        fail(u"Cannot seek to record %1: "_s.arg(index + 1) + m_file.errorString());
}

QByteArray FixedRecordFile::readRecords(qint64 firstIndex, qint64 records)
{
    QByteArray data;
    readRecords(firstIndex, records, data);
    return data;
}

void FixedRecordFile::readRecords(qint64 firstIndex, qint64 records, QByteArray &into)
{
    requireOpen();
    seekToIndex(firstIndex);
    const qint64 bytes = records * m_recordSize;
    // A buffer used again keeps its memory: a scan reads every block into the same one.
    into.resize(bytes);
    if (m_file.read(into.data(), bytes) != bytes)
        fail(u"Short read at record %1: "_s.arg(firstIndex + 1) + m_file.errorString());
}

void FixedRecordFile::writeRecord(qint64 index, QByteArrayView record)
{
    requireOpen();
    if (record.size() != m_recordSize)
        fail(u"Record of %1 bytes, %2 expected"_s.arg(record.size()).arg(m_recordSize));
    seekToIndex(index);
    if (m_file.write(record.data(), record.size()) != record.size())
        fail(u"Cannot write record %1: "_s.arg(index + 1) + m_file.errorString());
    // A save counts as done only once its bytes are on the disk.
    if (!m_file.flush())
        fail(u"Cannot flush: "_s + m_file.errorString());
    if (!SyncToDisk(m_file.handle()))
        fail(u"Cannot sync to disk: "_s + QString::fromLocal8Bit(std::strerror(errno)));
}

void FixedRecordFile::restoreRecord(qint64 index, QByteArrayView record)
{
    // Best effort on a failing disk: whatever fails here, the caller reports the first failure.
    if (m_file.seek(index * m_recordSize) && m_file.write(record.data(), record.size()) == record.size())
        SyncToDisk(m_file.handle());
}

void FixedRecordFile::fail(const QString &what) const
{
    throw StorageError(what + u" ("_s + m_file.fileName() + u')');
}
