#include "base/DiskSync.h"

#include <QSaveFile>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool SyncToDisk(int handle)
{
#ifdef Q_OS_WIN
    return ::_commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

bool CommitToDisk(QSaveFile &file)
{
    if (!file.flush() || !SyncToDisk(int(file.handle()))) {
        file.cancelWriting();
        file.commit(); // after a cancel: removes the temporary file, keeps the old one
        return false;
    }
    return file.commit();
}
