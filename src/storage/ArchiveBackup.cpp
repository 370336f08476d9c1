#include "storage/ArchiveBackup.h"

#include "base/DiskSync.h"
#include "base/ProgramFolder.h"
#include "base/WorkProgress.h"
#include "storage/FixedRecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <openssl/evp.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 chunkSize = 1 << 20;
// A save during an archive's copy makes the copy start again; a desk saving without pause
// for this many copies leaves the day to the next login.
constexpr int copyAttempts = 5;

// Only folders named for a real day are the copies' own; "2025-13-45" is someone else's.
bool isDayName(const QString &name)
{
    static const QRegularExpression day(u"^[0-9]{4}-[0-9]{2}-[0-9]{2}$"_s);
    return day.match(name).hasMatch() && QDate::fromString(name, u"yyyy-MM-dd"_s).isValid();
}

// SHA-256 by the system's cryptographic library, which uses the processor's own instructions:
// several times faster than a portable one on archives of a gigabyte.
class Sha256
{
public:
    Sha256()
        : m_context(EVP_MD_CTX_new(), &EVP_MD_CTX_free)
    {
        m_ok = m_context && EVP_DigestInit_ex(m_context.get(), EVP_sha256(), nullptr) == 1;
    }
    void add(const QByteArray &bytes)
    {
        m_ok = m_ok && EVP_DigestUpdate(m_context.get(), bytes.constData(), std::size_t(bytes.size())) == 1;
    }
    // Empty when the library failed.
    QByteArray result()
    {
        QByteArray digest(EVP_MAX_MD_SIZE, '\0');
        unsigned int size = 0;
        if (!m_ok || EVP_DigestFinal_ex(m_context.get(), reinterpret_cast<unsigned char *>(digest.data()), &size) != 1)
            return {};
        digest.resize(size);
        return digest;
    }

private:
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> m_context;
    bool m_ok = false;
};

// Reads the whole of `in` in chunks, handing each to `take`; false on a read error or when `take`
// refuses. `counted` reports the chunks to the day's progress (and stops when it was cancelled).
template<typename Take> bool readChunks(QFile &in, bool counted, Take take)
{
    QByteArray chunk;
    while (!in.atEnd()) {
        chunk = in.read(chunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (!take(chunk))
            return false;
        if (counted)
            WorkProgress::read(chunk.size());
    }
    return in.error() == QFileDevice::NoError;
}

// The digest of a whole file read from its start; empty when it cannot be read.
QByteArray digestOf(const QString &path, bool counted = false)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Sha256 hash;
    if (!readChunks(file, counted, [&hash](const QByteArray &chunk) {
            hash.add(chunk);
            return true;
        }))
        return {};
    return hash.result();
}

// Copies `source` to `target` (a fresh file), synced to the disk; the digest of what was read.
QByteArray copyFile(const QString &source, const QString &target)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {};
    Sha256 hash;
    if (!readChunks(in, true, [&](const QByteArray &chunk) {
            hash.add(chunk);
            return out.write(chunk) == chunk.size();
        }))
        return {};
    if (!out.flush() || !SyncToDisk(out.handle()))
        return {};
    out.close();
    if (out.error() != QFileDevice::NoError)
        return {};
    return hash.result();
}

// A plain rename: QFile::rename falls back to an unchecked copy when renaming fails.
bool renameInPlace(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

enum class Attempt { Done, Failed, ArchiveChanged };

// The copy of an earlier day becomes `target` too, when it holds exactly what the archive holds
// (`digest`, read just now); false when it does not, or where the file system takes no link.
bool linkEqualCopy(const QByteArray &digest, const QString &earlier, const QString &target)
{
    if (digest.isEmpty() || digestOf(earlier) != digest)
        return false;
    return ::linkat(
               AT_FDCWD, QFile::encodeName(earlier).constData(), AT_FDCWD, QFile::encodeName(target).constData(), 0)
        == 0;
}

// One attempt at the archive's copy `target`: linked from `earlier` (a file of the day before, or
// nothing) when that is equal, else copied and read back. The check against the archive holds
// only when no save of this program touched a record file meanwhile and the archive still reads
// as it did: otherwise the copy may mix records from before and after a save.
Attempt backUpOnce(const QString &source, const QString &earlier, const QString &target)
{
    const quint64 marks = FixedRecordFile::writeMarks();
    const auto unchanged = [&marks] { return FixedRecordFile::writeMarks() == marks; };
    QFile::remove(target);

    const QFileInfo archive(source);
    const QFileInfo copy(earlier);
    if (!earlier.isEmpty() && copy.isFile() && !copy.isSymLink() && copy.size() == archive.size()) {
        const QByteArray digest = digestOf(source, true);
        if (digest.isEmpty())
            return Attempt::Failed;
        if (linkEqualCopy(digest, earlier, target)) {
            if (unchanged())
                return Attempt::Done;
            QFile::remove(target);
            return Attempt::ArchiveChanged;
        }
        // Read once already; the copy reads it again.
        WorkProgress::expectRead(archive.size());
    }

    const QByteArray copied = copyFile(source, target);
    if (copied.isEmpty() || digestOf(target) != copied)
        return Attempt::Failed;
    const QByteArray now = digestOf(source);
    if (now.isEmpty())
        return Attempt::Failed;
    if (now != copied || !unchanged())
        return Attempt::ArchiveChanged;
    return Attempt::Done;
}

// Every archive copied into `folder` under its own name, or linked from `earlierDay` (a day folder
// with its trailing separator, or nothing) when its copy there is equal; each checked against its
// archive before it takes that name.
bool copyArchives(const QString &folder, const QString &earlierDay)
{
    const QStringList names = ArchiveFileNames();
    for (const QString &name : names)
        WorkProgress::expectRead(QFileInfo(ProgramFolder() + name).size());
    for (const QString &name : names) {
        const QString source = ProgramFolder() + name;
        const QString working = folder + name + u".tmp"_s;
        const QString earlier = earlierDay.isEmpty() ? QString() : earlierDay + name;
        Attempt attempt = Attempt::ArchiveChanged;
        for (int i = 0; i < copyAttempts && attempt == Attempt::ArchiveChanged; ++i) {
            if (i > 0)
                WorkProgress::expectRead(QFileInfo(source).size());
            attempt = backUpOnce(source, earlier, working);
        }
        if (attempt != Attempt::Done || !renameInPlace(working, folder + name))
            return false;
    }
    return true;
}

// The day folders, oldest first.
QStringList dayFolders()
{
    QStringList days;
    const QDir root(BackupFolder());
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        if (isDayName(name))
            days << name;
    std::sort(days.begin(), days.end());
    return days;
}

// The most recent day folder before `dayName`, with its trailing separator; empty when none.
QString earlierDay(const QString &dayName)
{
    QString found;
    for (const QString &day : dayFolders()) {
        if (day < dayName)
            found = BackupFolder() + day + u'/';
    }
    return found;
}

void keepRecent(int keep)
{
    // A day's links keep what they share with older days when those go.
    const QStringList days = dayFolders();
    for (qsizetype i = 0; i + keep < days.size(); ++i)
        QDir(BackupFolder() + days.at(i)).removeRecursively();
}

} // namespace

QString BackupFolder()
{
    return ProgramFolder() + u"Backup/"_s;
}

QStringList ArchiveFileNames()
{
    QStringList names;
    for (const QString &name : QDir(ProgramFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (IsArchiveName(name))
            names << name;
    return names;
}

bool IsDayCopied(const QDate &day)
{
    const QString folder = BackupFolder() + day.toString(u"yyyy-MM-dd"_s);
    return QFileInfo::exists(folder) || QFileInfo(folder).isSymLink();
}

BackupOutcome BackUpArchives(const QDate &today, int keep)
{
    const QString dayName = today.toString(u"yyyy-MM-dd"_s);
    const QString day = BackupFolder() + dayName;
    if (IsDayCopied(today))
        return BackupOutcome::AlreadyDone;

    // A working folder left by a copy that was cut short is ours to clear.
    const QString working = BackupFolder() + u"."_s + dayName + u".part"_s;
    QDir(working).removeRecursively();
    bool done = false;
    try {
        done = QDir().mkpath(working) && copyArchives(working + u'/', earlierDay(dayName))
            && renameInPlace(working, day);
    } catch (const WorkCancelled &) {
        QDir(working).removeRecursively();
        return BackupOutcome::Stopped;
    }
    if (!done) {
        QDir(working).removeRecursively();
        return BackupOutcome::Failed;
    }
    keepRecent(keep);
    return BackupOutcome::Done;
}
