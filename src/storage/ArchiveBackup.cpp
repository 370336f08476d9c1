#include "storage/ArchiveBackup.h"

#include "base/DiskSync.h"
#include "base/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 chunkSize = 1 << 20;

// Only folders named for a real day are the copies' own; "2025-13-45" is someone else's.
bool isDayName(const QString &name)
{
    static const QRegularExpression day(u"^[0-9]{4}-[0-9]{2}-[0-9]{2}$"_s);
    return day.match(name).hasMatch() && QDate::fromString(name, u"yyyy-MM-dd"_s).isValid();
}

// The digest of a whole file read from its start; empty when it cannot be read.
QByteArray digestOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
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
    QCryptographicHash hash(QCryptographicHash::Sha256);
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(chunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return {};
        hash.addData(chunk);
        if (out.write(chunk) != chunk.size())
            return {};
    }
    if (in.error() != QFileDevice::NoError || !out.flush() || !SyncToDisk(out.handle()))
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

// The copy of an earlier day becomes `target` too, when it holds exactly what the archive holds;
// false when it does not, or where the file system takes no link.
bool linkEqualCopy(const QString &source, const QString &earlier, const QString &target)
{
    const QFileInfo archive(source);
    const QFileInfo copy(earlier);
    if (!copy.isFile() || copy.isSymLink() || copy.size() != archive.size())
        return false;
    const QByteArray digest = digestOf(source);
    if (digest.isEmpty() || digestOf(earlier) != digest)
        return false;
    if (::linkat(AT_FDCWD, QFile::encodeName(earlier).constData(), AT_FDCWD, QFile::encodeName(target).constData(), 0)
        != 0)
        return false;
    // Checked as a copy is: the linked copy and the archive, both read again, still agree.
    if (digestOf(target) == digest && digestOf(source) == digest)
        return true;
    QFile::remove(target);
    return false;
}

// Every archive copied into `folder` under its own name, or linked from `earlierDay` (a day folder
// with its trailing separator, or nothing) when its copy there is equal; each checked against its
// archive before it takes that name.
bool copyArchives(const QString &folder, const QString &earlierDay)
{
    for (const QString &name : ArchiveFileNames()) {
        const QString source = ProgramFolder() + name;
        const QString working = folder + name + u".tmp"_s;
        if (earlierDay.isEmpty() || !linkEqualCopy(source, earlierDay + name, working)) {
            const QByteArray copied = copyFile(source, working);
            if (copied.isEmpty() || digestOf(working) != copied || digestOf(source) != copied)
                return false;
        }
        if (!renameInPlace(working, folder + name))
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

BackupOutcome BackUpArchives(const QDate &today, int keep)
{
    const QString dayName = today.toString(u"yyyy-MM-dd"_s);
    const QString day = BackupFolder() + dayName;
    if (QFileInfo::exists(day) || QFileInfo(day).isSymLink())
        return BackupOutcome::AlreadyDone;

    // A working folder left by a copy that was cut short is ours to clear.
    const QString working = BackupFolder() + u"."_s + dayName + u".part"_s;
    QDir(working).removeRecursively();
    const bool done
        = QDir().mkpath(working) && copyArchives(working + u'/', earlierDay(dayName)) && renameInPlace(working, day);
    if (!done) {
        QDir(working).removeRecursively();
        return BackupOutcome::Failed;
    }
    keepRecent(keep);
    return BackupOutcome::Done;
}
