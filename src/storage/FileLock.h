#pragma once
// The exclusive lock every desk takes beside a shared file (the file's name and ".lock") before it
// appends to it or replaces it, held for the life of the object.

#include <QLockFile>
#include <QString>

class FileLock
{
public:
    // Waits with short pauses up to 12 s; throws StorageError when the lock cannot be had.
    explicit FileLock(const QString &path);
    Q_DISABLE_COPY_MOVE(FileLock)

private:
    QLockFile m_lock;
};
