#include "base/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestProgramFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetProgramFolder(QString()); }

    // A program run from a folder it may write keeps everything beside itself; one whose folder
    // refuses a new file (an installation) works in the user's data folder.
    void choice_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("ownKept");

        QTest::newRow("writable own folder") << u"writable"_s << true;
        // No one, not even the administrator, may create a file in /proc.
        QTest::newRow("read-only own folder") << u"/proc"_s << false;
        QTest::newRow("read-only by permissions") << u"readonly"_s << false;
        QTest::newRow("own folder gone") << u"missing"_s << false;
    }
    void choice()
    {
        QFETCH(QString, own);
        QFETCH(bool, ownKept);
        QTemporaryDir dir;
        const QString data = dir.filePath(u"dati/Portavel"_s);
        if (own == u"readonly"_s) {
            if (geteuid() == 0)
                QSKIP("the administrator writes into any folder whatever its permissions");
            QVERIFY(QDir(dir.path()).mkdir(own));
            QVERIFY(QFile::setPermissions(dir.filePath(own), QFile::ReadOwner | QFile::ExeOwner));
        } else if (own == u"writable"_s) {
            QVERIFY(QDir(dir.path()).mkdir(own));
        }
        const QString ownPath = own.startsWith(u'/') ? own : dir.filePath(own);

        QCOMPARE(ChooseProgramFolder(ownPath, data), (ownKept ? ownPath : data) + u'/');
        // Choosing leaves nothing behind in either folder.
        if (QFileInfo(ownPath).isDir() && ownPath != u"/proc"_s)
            QCOMPARE(QDir(ownPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY(!QFileInfo::exists(data));
    }

    // The data folder is made with its parents and given the installation's store, never twice.
    void dataFolderPrepared()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(u"dati/Portavel"_s);
        SetProgramFolder(data);
        QVERIFY(PrepareProgramFolder("[Accesso]\r\nValore=4647B7D0664108B0\r\n"));
        QFile store(data + u"/unins000.dll"_s);
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), QByteArray("[Accesso]\r\nValore=4647B7D0664108B0\r\n"));
        store.close();

        // A password changed since is kept.
        QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
        store.write("[Accesso]\r\nValore=00\r\n");
        store.close();
        QVERIFY(PrepareProgramFolder("[Accesso]\r\nValore=4647B7D0664108B0\r\n"));
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), QByteArray("[Accesso]\r\nValore=00\r\n"));

        // A data folder that cannot be made is reported.
        SetProgramFolder(dir.filePath(u"dati/Portavel/unins000.dll/sotto"_s));
        QVERIFY(!PrepareProgramFolder("x"));
    }
};

QTEST_MAIN(TestProgramFolder)
#include "TestProgramFolder.moc"
