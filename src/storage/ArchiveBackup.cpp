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

// Every archive copied into `folder` under its own name, each checked against its archive
// before it takes that name.
bool copyArchives(const QString &folder)
{
    for (const QString &name : ArchiveFileNames()) {
        const QString source = ProgramFolder() + name;
        const QString working = folder + name + u".tmp"_s;
        const QByteArray copied = copyFile(source, working);
        if (copied.isEmpty() || digestOf(working) != copied || digestOf(source) != copied)
            return false;
        if (!renameInPlace(working, folder + name))
            return false;
    }
    return true;
}

void keepRecent(int keep)
{
    QStringList days;
    const QDir root(BackupFolder());
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        if (isDayName(name))
            days << name;
    std::sort(days.begin(), days.end(), std::greater<>());
    for (qsizetype i = keep; i < days.size(); ++i)
        QDir(root.filePath(days.at(i))).removeRecursively();
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
    const bool done = QDir().mkpath(working) && copyArchives(working + u'/') && renameInPlace(working, day);
    if (!done) {
        QDir(working).removeRecursively();
        return BackupOutcome::Failed;
    }
    keepRecent(keep);
    return BackupOutcome::Done;
}
