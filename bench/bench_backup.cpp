// Times the day copies of the archives and measures the disk they take: a program folder holding
// one year file (named on the command line and copied in, or made up), copied on 14 days in a row
// with the archive unchanged, then 14 days with one card saved into it each day. Prints each
// run's milliseconds and the bytes the day folders take on the disk, each file counted once
// however many names it has (as du counts).

#include "BenchYearFile.h"

#include "base/ProgramFolder.h"
#include "storage/ArchiveBackup.h"
#include "storage/VisitFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstdio>
#include <set>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const char Usage[] = "Usage: bench_backup [YEARFILE]\n"
                     "  Copies YEARFILE (never written) into a temporary program folder, or makes up a\n"
                     "  year of 1,000,000 cards there, and times 28 day copies of it.\n";

// The bytes the files under `folder` take on the disk, each file once.
qint64 diskBytes(const QString &folder)
{
    std::set<std::pair<dev_t, ino_t>> seen;
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat info
        {
        };
        if (::stat(QFile::encodeName(it.next()).constData(), &info) == 0
            && seen.insert({ info.st_dev, info.st_ino }).second)
            bytes += qint64(info.st_blocks) * 512;
    }
    return bytes;
}

// 14 day copies from `first`; with `save`, one card is saved into the year file before each.
QDate backUpFortnight(const QDate &first, const QString &yearFile, bool save)
{
    QDate day = first;
    qint64 slowest = 0;
    qint64 total = 0;
    for (int i = 0; i < 14; ++i, day = day.addDays(1)) {
        if (save) {
            VisitFile file;
            file.open(yearFile);
            TSchedaVisita card = file.readAt(1 + i);
            card.Note = u"salvata il giorno %1"_s.arg(i + 1);
            file.writeAt(1 + i, card);
            file.close();
        }
        QElapsedTimer timer;
        timer.start();
        if (BackUpArchives(day) != BackupOutcome::Done) {
            std::fprintf(stderr, "bench_backup: the copy of %s failed\n", qPrintable(day.toString(Qt::ISODate)));
            std::exit(1);
        }
        const qint64 ms = timer.elapsed();
        slowest = std::max(slowest, ms);
        total += ms;
    }
    const char *what = save ? "a card saved each day" : "archive unchanged";
    std::printf("14 days, %s: %lld ms in all, slowest day %lld ms\n", what, static_cast<long long>(total),
        static_cast<long long>(slowest));
    PrintCount(save ? "disk of the day folders after the saves (bytes)" : "disk of 14 unchanged days (bytes)",
        diskBytes(BackupFolder()));
    return day;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString given = YearFileArgument(app.arguments(), Usage);
    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    SetProgramFolder(work.path());
    const QString yearFile = ProgramFolder() + u"2026.vis"_s;
    if (given.isEmpty()) {
        if (!WriteSampleYearFile(yearFile, 1000000, u"10/12/2026"_s))
            return 1;
    } else if (!QFile::copy(given, yearFile)) {
        std::fprintf(stderr, "bench_backup: cannot copy %s\n", qPrintable(given));
        return 1;
    }
    PrintCount("year file (bytes)", QFileInfo(yearFile).size());
    const QDate next = backUpFortnight(QDate(2026, 12, 1), yearFile, false);
    QDir(BackupFolder()).removeRecursively();
    backUpFortnight(next, yearFile, true);
    return 0;
}
