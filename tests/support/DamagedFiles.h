#pragma once
// Record files as they may be found on a damaged or foreign disk, for tests that open every
// screen on each of them: random bytes, a torn last record, length bytes of 255 everywhere, an
// empty file, a folder in its place, a file that cannot be opened.

#include <QList>
#include <QString>

#include <functional>

struct DamagedFile
{
    enum class Reads {
        Records, // whole records of any content, possibly with torn bytes after them
        NoRecords, // a file without a whole record
        Unreachable, // opening it fails
    };

    QString name;
    Reads reads = Reads::Records;
    // Puts the damaged file at `path` for records of `recordSize` bytes.
    std::function<void(const QString &path, int recordSize)> make;
};

// Every kind of damage, in a fixed order; the random ones are the same on every run.
QList<DamagedFile> DamagedFiles();
const DamagedFile &DamagedFileNamed(const QString &name);

// What stands at `path`: a file's bytes, a folder and what it holds, a link and where it points,
// or nothing; equal before and after exactly when nothing was written there.
QString FileState(const QString &path);
