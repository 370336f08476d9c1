#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "WriteFaults.h"

#include "app/Avvio.h"
#include "app/Password.h"
#include "base/Crypt.h"
#include "base/WorkProgress.h"
#include "storage/ArchiveBackup.h"
#include "storage/VisitFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QDate today(2026, 12, 10);

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The bytes of each of the named files of a folder.
QMap<QString, QByteArray> contents(const QString &folder, const QList<QString> &names)
{
    QMap<QString, QByteArray> out;
    for (const QString &name : names)
        out.insert(name, bytesOf(folder + name));
    return out;
}

// Every file under a folder, relative to it, sorted.
QStringList filesUnder(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

// The archives of a desk, each with its own bytes, and files that are no archives.
QMap<QString, QByteArray> writeArchives(const QString &folder)
{
    const QMap<QString, QByteArray> archives {
        { u"2025.vis"_s, QByteArray(792 * 3, 'a') },
        { u"2026.vis"_s, QByteArray(792 * 5 + 17, 'b') }, // a torn last record is copied as it is
        { u"Visitatori.pro"_s, QByteArray(4043 * 2, 'c') },
        { u"unins000.dll"_s, "[Accesso]\r\nValore=00\r\n" },
        { u"Operatori.ini"_s, "[Operatore1]\nNome=Anna\n" },
    };
    for (auto it = archives.begin(); it != archives.end(); ++it)
        writeFile(folder + it.key(), it.value());
    writeFile(folder + u"Registro_Visite.xls"_s, "export");
    writeFile(folder + u"12026.vis"_s, "no year");
    writeFile(folder + u"2026.vis.lock"_s, "lock");
    return archives;
}

// The file's identity on its disk: two names of one file share it.
std::pair<dev_t, ino_t> identityOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return { info.st_dev, info.st_ino };
}

// Whether the folder's file system takes hard links.
bool linksPossible(const QString &folder)
{
    const QString a = folder + u"/.probe-a"_s;
    const QString b = folder + u"/.probe-b"_s;
    writeFile(a, "probe");
    const bool linked = ::link(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0;
    QFile::remove(a);
    QFile::remove(b);
    return linked;
}

// Overwrites the archive's first bytes in place, as a save does.
void overwriteInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.write(bytes) == bytes.size());
}

// Makes today's copy on a worker thread, as the start menu does, and runs `meanwhile` on this
// thread once the copy has read its first chunk.
BackupOutcome copyTodayWhile(WorkProgress &progress, const std::function<void()> &meanwhile)
{
    std::atomic<bool> ended { false };
    BackupOutcome outcome = BackupOutcome::Failed;
    std::thread worker([&] {
        const WorkProgress::Scope scope(progress);
        outcome = BackUpArchives(today);
        ended = true;
    });
    while (progress.done() == 0 && !ended)
        std::this_thread::yield();
    meanwhile();
    worker.join();
    return outcome;
}

} // namespace

class TestArchiveBackup : public QObject
{
    Q_OBJECT

    std::optional<TempProgramFolder> m_folder;
    QString day() const { return BackupFolder() + u"2026-12-10/"_s; }

private Q_SLOTS:
    void init() { m_folder.emplace(); }
    void cleanup() { m_folder.reset(); }

    void copiesEveryArchiveOnceADay()
    {
        const auto archives = writeArchives(m_folder->path());
        QCOMPARE(BackUpArchives(today), BackupOutcome::Done);
        QCOMPARE(filesUnder(BackupFolder()),
            (QStringList { u"2026-12-10/2025.vis"_s, u"2026-12-10/2026.vis"_s, u"2026-12-10/Operatori.ini"_s,
                u"2026-12-10/Visitatori.pro"_s, u"2026-12-10/unins000.dll"_s }));
        QCOMPARE(contents(day(), archives.keys()), archives);

        // Later logins of the same day copy nothing.
        writeFile(m_folder->file(u"2026.vis"_s), "changed");
        QCOMPARE(BackUpArchives(today), BackupOutcome::AlreadyDone);
        QCOMPARE(bytesOf(day() + u"2026.vis"_s), archives.value(u"2026.vis"_s));
        QCOMPARE(BackUpArchives(today.addDays(1)), BackupOutcome::Done);
        QCOMPARE(bytesOf(BackupFolder() + u"2026-12-11/2026.vis"_s), QByteArray("changed"));
    }

    // A day whose archives equal the day before's copies gives those copies a second name instead
    // of copying again; a changed archive is copied. The archive itself never shares a copy's file,
    // so the saves written into it in place leave every day's copy as it was.
    void unchangedArchivesAreLinked()
    {
        if (!linksPossible(m_folder->path()))
            QSKIP("this file system takes no hard links: every day is copied");
        const auto archives = writeArchives(m_folder->path());
        QCOMPARE(BackUpArchives(today), BackupOutcome::Done);
        // Same size as before, one byte changed: copied, not linked.
        overwriteInPlace(m_folder->file(u"2025.vis"_s), "Z");
        QCOMPARE(BackUpArchives(today.addDays(1)), BackupOutcome::Done);

        const QString first = day();
        const QString second = BackupFolder() + u"2026-12-11/"_s;
        for (const QString &name : archives.keys()) {
            const bool changed = name == u"2025.vis"_s;
            QCOMPARE(identityOf(second + name) == identityOf(first + name), !changed);
            QVERIFY(identityOf(second + name) != identityOf(m_folder->file(name)));
            QCOMPARE(bytesOf(second + name), bytesOf(m_folder->file(name)));
        }
        QCOMPARE(bytesOf(first + u"2025.vis"_s), archives.value(u"2025.vis"_s));

        // A save into an archive changes no copy, linked or not.
        overwriteInPlace(m_folder->file(u"2026.vis"_s), "saved");
        overwriteInPlace(m_folder->file(u"Visitatori.pro"_s), "saved");
        QCOMPARE(contents(first, { u"2026.vis"_s, u"Visitatori.pro"_s }),
            contents(second, { u"2026.vis"_s, u"Visitatori.pro"_s }));
        QCOMPARE(bytesOf(second + u"2026.vis"_s), archives.value(u"2026.vis"_s));
        QCOMPARE(bytesOf(second + u"Visitatori.pro"_s), archives.value(u"Visitatori.pro"_s));

        // The next day copies the saved archives and links the rest; dropping the oldest days keeps
        // what the newer ones share with them.
        QCOMPARE(BackUpArchives(today.addDays(2), 1), BackupOutcome::Done);
        const QString third = BackupFolder() + u"2026-12-12/"_s;
        QVERIFY(!QDir(first).exists() && !QDir(second).exists());
        QCOMPARE(bytesOf(third + u"2026.vis"_s), bytesOf(m_folder->file(u"2026.vis"_s)));
        QCOMPARE(bytesOf(third + u"unins000.dll"_s), archives.value(u"unins000.dll"_s));
    }

    // The copy runs behind the desk's work. A save while an archive is being copied makes that copy
    // start again: the day holds the archive as it was after the save, never records from before
    // and after it mixed; the save itself goes through.
    void saveDuringTheCopy()
    {
        const QString yearFile = m_folder->file(u"2026.vis"_s);
        QByteArray cards;
        for (int i = 0; i < 40000; ++i) // about 30 MB: many chunks to read
            cards += TSchedaVisita().toBytes();
        writeFile(yearFile, cards);
        TSchedaVisita saved;
        saved.Cognome = u"Salvata"_s;

        WorkProgress progress;
        const BackupOutcome outcome = copyTodayWhile(progress, [&] {
            VisitFile file;
            file.open(yearFile);
            file.writeAt(1, saved);
            file.close();
        });

        QCOMPARE(outcome, BackupOutcome::Done);
        QVERIFY2(progress.total() > cards.size(), "the copy started again after the save");
        QCOMPARE(bytesOf(day() + u"2026.vis"_s), bytesOf(yearFile));
    }

    // Ending the program stops the copy: nothing of the day is left, and the next login copies.
    void stoppedCopy()
    {
        const auto archives = writeArchives(m_folder->path());
        writeFile(m_folder->file(u"2024.vis"_s), QByteArray(32 << 20, 'd'));
        WorkProgress progress;
        QCOMPARE(copyTodayWhile(progress, [&progress] { progress.cancel(); }), BackupOutcome::Stopped);
        QCOMPARE(filesUnder(BackupFolder()), QStringList());
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

        QCOMPARE(BackUpArchives(today), BackupOutcome::Done);
        QCOMPARE(contents(day(), archives.keys()), archives);
    }

    // With an earlier day to link from, a failure at any step, the link's included, leaves the day
    // whole or absent: a link refused makes a copy instead.
    void failingDiskWithAnEarlierDay()
    {
        if (!WriteFaults::available())
            QSKIP("the C library cannot be interposed here");
        const auto archives = writeArchives(m_folder->path());
        const QString second = BackupFolder() + u"2026-12-11/"_s;
        BackupOutcome outcome = BackupOutcome::Done;
        bool copiedInsteadOfLinked = false;
        const auto prepare = [] {
            QDir(BackupFolder()).removeRecursively();
            QCOMPARE(BackUpArchives(today), BackupOutcome::Done);
        };
        const auto attempt = [&] { outcome = BackUpArchives(today.addDays(1)); };
        const auto check = [&](const FaultRun &run) {
            QCOMPARE(contents(day(), archives.keys()), archives);
            QCOMPARE(contents(m_folder->path(), archives.keys()), archives);
            if (outcome == BackupOutcome::Done) {
                QCOMPARE(contents(second, archives.keys()), archives);
                QCOMPARE(filesUnder(BackupFolder()).size(), 2 * archives.size());
                // The archive whose link was refused was copied instead.
                if (run.struck && run.operation == u"link"_s) {
                    for (const QString &name : archives.keys())
                        copiedInsteadOfLinked |= identityOf(second + name) != identityOf(day() + name);
                }
                return;
            }
            QVERIFY2(outcome == BackupOutcome::Failed, qPrintable(run.operation));
            QVERIFY2(!QDir(second).exists(), qPrintable(run.operation));
            QCOMPARE(filesUnder(BackupFolder()).size(), archives.size());
        };
        const int points = StrikeEveryStep(m_folder->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(points > 0);
        if (linksPossible(m_folder->path()))
            QVERIFY(copiedInsteadOfLinked);
    }

    void keepsFourteenDays()
    {
        writeArchives(m_folder->path());
        QVERIFY(QDir().mkpath(BackupFolder()));
        for (int i = 0; i < 20; ++i) {
            const QString name = QDate(2026, 11, 1).addDays(i).toString(u"yyyy-MM-dd"_s);
            QVERIFY(QDir().mkpath(BackupFolder() + name));
            writeFile(BackupFolder() + name + u"/2026.vis"_s, "old");
        }
        // Not day folders: left alone, however old they look.
        QVERIFY(QDir().mkpath(BackupFolder() + u"2020-1-1"_s));
        // Shaped like days but no real day: neither removed nor counted among the fourteen.
        QVERIFY(QDir().mkpath(BackupFolder() + u"2025-13-45"_s));
        QVERIFY(QDir().mkpath(BackupFolder() + u"2099-02-30"_s));
        QVERIFY(QDir().mkpath(BackupFolder() + u"vecchi/2019-01-01"_s));
        writeFile(BackupFolder() + u"2019-01-01"_s, "a file named as a day");
        writeFile(BackupFolder() + u"2019-01-02.zip"_s, "zip");
        writeFile(BackupFolder() + u"leggimi.txt"_s, "note");

        QCOMPARE(BackUpArchives(today), BackupOutcome::Done);
        QStringList expected { u"2019-01-01"_s, u"2019-01-02.zip"_s, u"2020-1-1"_s, u"2025-13-45"_s, u"2099-02-30"_s,
            u"leggimi.txt"_s, u"vecchi"_s };
        for (int i = 7; i < 20; ++i)
            expected << QDate(2026, 11, 1).addDays(i).toString(u"yyyy-MM-dd"_s);
        expected << u"2026-12-10"_s;
        expected.sort();
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
            expected);
        QVERIFY(QDir(BackupFolder() + u"vecchi/2019-01-01"_s).exists());
    }

    // A disk that fails at any step leaves no day folder, so the next login tries again, and no
    // file under an archive's name anywhere in the copies.
    void failingDisk_data()
    {
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("every step fails") << false;
        QTest::newRow("disk full at every point") << true;
    }
    void failingDisk()
    {
        QFETCH(bool, diskFills);
        if (!WriteFaults::available())
            QSKIP("the C library cannot be interposed here");
        const auto archives = writeArchives(m_folder->path());
        BackupOutcome outcome = BackupOutcome::Done;
        const auto prepare = [] { QDir(BackupFolder()).removeRecursively(); };
        const auto attempt = [&] { outcome = BackUpArchives(today); };
        const auto check = [&](const FaultRun &run) {
            // A failed close of an archive only read loses nothing: the copy may go on, but then whole.
            if (!run.struck || (run.operation == u"close"_s && outcome == BackupOutcome::Done)) {
                QCOMPARE(outcome, BackupOutcome::Done);
                QCOMPARE(contents(day(), archives.keys()), archives);
                QCOMPARE(filesUnder(BackupFolder()).size(), archives.size());
                return;
            }
            QVERIFY2(outcome == BackupOutcome::Failed, qPrintable(run.operation));
            QVERIFY2(filesUnder(BackupFolder()).isEmpty(), qPrintable(filesUnder(BackupFolder()).join(u' ')));
            QVERIFY(!QDir(day()).exists());
            QCOMPARE(contents(m_folder->path(), archives.keys()), archives);
        };
        const int points = diskFills ? FillDiskAtEveryStep(m_folder->path(), 4096, prepare, attempt, check)
                                     : StrikeEveryStep(m_folder->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(points > 0);
        QCOMPARE(contents(day(), archives.keys()), archives);
    }

    // Ending the program during the copy waits for the copy to stop: no unfinished day is left
    // behind, and the next start copies the day whole.
    void endingDuringTheCopy()
    {
        m_folder.reset();
        AppFixture app(QDateTime(today, QTime(8, 30)));
        writeFile(
            app.file(u"unins000.dll"_s), "[Accesso]\r\nValore=" + ScrambleText(u"PORTAVEL"_s).toLatin1() + "\r\n");
        const QByteArray year(64 << 20, 'y');
        writeFile(app.file(u"2026.vis"_s), year);
        Windows().password()->showScreen();
        QTest::keyClicks(Windows().password()->findChild<QLineEdit *>(u"txtPassword"_s), u"portavel"_s);
        QTest::mouseClick(Windows().password()->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
        Windows().avvio()->stopDailyBackup();
        const QStringList left
            = QDir(app.file(u"Backup"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QVERIFY2(left.isEmpty() || left == QStringList { u"2026-12-10"_s }, qPrintable(left.join(u' ')));
        if (left.isEmpty()) {
            Windows().avvio()->startDailyBackup();
            QTRY_VERIFY(
                Windows().avvio()->findChild<QLabel *>(u"lblCopiaSicurezza"_s)->text().endsWith(u"completata."_s));
        }
        QCOMPARE(bytesOf(app.file(u"Backup/2026-12-10/2026.vis"_s)), year);
    }

    // The start menu shows at once after the login and the copy runs behind it, its status line
    // counting until the completion text; a failed copy warns once and lets the operator in.
    void atLogin_data()
    {
        QTest::addColumn<bool>("backupBlocked");
        QTest::newRow("copied") << false;
        QTest::newRow("copy fails") << true;
    }
    void atLogin()
    {
        QFETCH(bool, backupBlocked);
        m_folder.reset();
        AppFixture app(QDateTime(today, QTime(8, 30)));
        MessageRecorder &messages = app.messages;
        writeFile(
            app.file(u"unins000.dll"_s), "[Accesso]\r\nValore=" + ScrambleText(u"PORTAVEL"_s).toLatin1() + "\r\n");
        writeFile(app.file(u"2026.vis"_s), QByteArray(792, 'x'));
        if (backupBlocked)
            writeFile(app.file(u"Backup"_s), "a file where the folder goes");

        Windows().password()->showScreen();
        QTest::keyClicks(Windows().password()->findChild<QLineEdit *>(u"txtPassword"_s), u"portavel"_s);
        QTest::mouseClick(Windows().password()->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);

        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
        auto *status = Windows().avvio()->findChild<QLabel *>(u"lblCopiaSicurezza"_s);
        if (backupBlocked) {
            QTRY_COMPARE(messages.count(), 1);
            QCOMPARE(status->text(), QString());
            QCOMPARE(messages.lastKind(), MessageKind::Warning);
            QCOMPARE(messages.lastText(),
                u"Attenzione: non è stato possibile eseguire la copia di sicurezza degli archivi."_s);
        } else {
            QTRY_COMPARE(status->text(), u"Copia di sicurezza del 10/12/2026 completata."_s);
            QCOMPARE(messages.count(), 0);
            QCOMPARE(filesUnder(app.file(u"Backup"_s)),
                (QStringList { u"2026-12-10/2026.vis"_s, u"2026-12-10/unins000.dll"_s }));
        }
    }
};

QTEST_MAIN(TestArchiveBackup)
#include "TestArchiveBackup.moc"
