#pragma once
// The daily copy of the archives: at the first login of a day every archive of the program folder
// (each <yyyy>.vis, Visitatori.pro, unins000.dll) is copied into Backup/<yyyy-mm-dd>/ under the
// program folder, and only the 14 most recent day folders are kept.
//
// The day is built in a hidden working folder and renamed into place only once every copy was
// written, synced to the disk and read back equal to its archive: a day folder that exists is a
// whole copy, and a day whose copy failed is tried again at the next login.
//
// An archive equal (size and SHA-256) to its copy in the most recent earlier day folder is not
// copied again: that copy gets a second name, a hard link, in today's folder, so days of an unchanged
// archive take its room once. Links only ever join copies to copies, never to the archive, which
// is written in place. Where links are not possible the archive is copied.
//
// The copy may run on a worker thread while the desk works: a save of this program during an
// archive's copy makes that copy start again, so no copy mixes records from before and after it.
// Under a work with progress the bytes read count, and a cancelled work stops the copy.

#include <QDate>
#include <QString>
#include <QStringList>

enum class BackupOutcome {
    Done, // today's folder was made
    AlreadyDone, // today's folder was there already; nothing copied
    Failed, // nothing of today left behind
    Stopped, // cancelled (the program is ending): nothing of today left behind
};

// The folder of the day copies, with its trailing separator: <program folder>Backup/.
QString BackupFolder();

// The archives of the program folder a day copy holds, by file name, sorted.
QStringList ArchiveFileNames();

// Whether the day's copy is there already: the first login of a day finds it missing.
bool IsDayCopied(const QDate &day);

// Makes today's copy when it is not there yet, then keeps the `keep` most recent day folders
// (names of the yyyy-mm-dd form) and deletes the older ones; nothing else in the folder is touched.
BackupOutcome BackUpArchives(const QDate &today, int keep = 14);
