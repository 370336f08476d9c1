#include "TestHelpers.h"
#include "base/ProgramFolder.h"
#include "storage/ClientFile.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"

#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

TSchedaVisita visitCard(int n)
{
    TSchedaVisita v;
    v.DataEnt = u"%1/03/2026"_s.arg(n % 28 + 1, 2, 10, QChar(u'0'));
    v.OraEnt = u"09:15"_s;
    v.Cognome = u"Cognome%1"_s.arg(n);
    v.Nome = u"Nicolò"_s;
    v.Motivo = u"Riunione"_s;
    v.Note = u"Nota %1 €"_s.arg(n);
    if (n % 3 != 0) {
        v.DataUsc = v.DataEnt;
        v.OraUsc = u"17:40"_s;
    }
    return v;
}

TSchedaAnagrafica clientCard(int n)
{
    TSchedaAnagrafica c;
    c.Cognome = u"Cliente%1"_s.arg(n);
    c.Nome = u"Anna"_s;
    c.Note = u"Nota %1"_s.arg(n);
    return c;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Index of the first and the last byte that differ between two images of equal size.
std::pair<qsizetype, qsizetype> changedRange(const QByteArray &before, const QByteArray &after)
{
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before.at(i) != after.at(i)) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return { first, last };
}

enum class BadCall { ReadAtZero, ReadAfterLast, WriteAtZero, WriteAfterLast };

} // namespace

Q_DECLARE_METATYPE(BadCall)

class TestRecordFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    QString visitPath() const { return m_dir->filePath(u"2026.vis"_s); }

    // A visit file made directly of these records, followed by `extra` stray bytes.
    void makeVisitFile(int records, const QByteArray &extra = QByteArray())
    {
        QByteArray bytes;
        for (int i = 1; i <= records; ++i)
            bytes += visitCard(i).toBytes();
        WriteFileBytes(visitPath(), bytes + extra);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        SetProgramFolder(m_dir->path());
    }
    void cleanup()
    {
        SetProgramFolder(QString());
        delete m_dir;
        m_dir = nullptr;
    }

    void openCreatesMissingFileAndKeepsExistingOne()
    {
        VisitFile visits;
        visits.open(visitPath());
        QCOMPARE(QFileInfo(visitPath()).size(), 0);
        QCOMPARE(visits.count(), 0);
        QCOMPARE(visits.append(visitCard(1)), 1);
        visits.close();
        visits.open(visitPath());
        QCOMPARE(visits.count(), 1);
        QCOMPARE(visits.readAt(1), visitCard(1));
        visits.close();

        ClientFile clients;
        clients.open(ClientFilePath());
        QCOMPARE(QFileInfo(m_dir->filePath(u"Visitatori.pro"_s)).size(), 0);
        QCOMPARE(clients.count(), 0);
        clients.close();
    }

    void clientAppendWritesOnlyTheNextRecord()
    {
        ClientFile clients;
        clients.open(ClientFilePath());
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(clients.append(clientCard(i)), i);
        clients.close();
        const QByteArray before = fileBytes(ClientFilePath());
        QCOMPARE(before.size(), 7 * 4043);

        TSchedaAnagrafica added = clientCard(8);
        added.Desc03 = QString(250, u'd'); // makes the record's last byte visible
        clients.open(ClientFilePath());
        QCOMPARE(clients.append(added), 8);
        QCOMPARE(clients.count(), 8);
        clients.close();

        const QByteArray after = fileBytes(ClientFilePath());
        QCOMPARE(after.size(), 32344);
        QCOMPARE(after.left(28301), before);
        QCOMPARE(after.mid(28301), added.toBytes());
        QCOMPARE(after.at(32343), 'd');
    }

    void clientOverwriteChangesOnlyItsBytes()
    {
        ClientFile clients;
        clients.open(ClientFilePath());
        for (int i = 1; i <= 7; ++i)
            clients.append(clientCard(i));
        clients.close();
        const QByteArray before = fileBytes(ClientFilePath());

        TSchedaAnagrafica changed = clientCard(3);
        changed.Cognome = u"Verdi"_s; // another length byte at the record's first byte
        changed.Desc03 = QString(250, u'd');
        clients.open(ClientFilePath());
        clients.writeAt(3, changed);
        QCOMPARE(clients.count(), 7);
        QCOMPARE(clients.readAt(4), clientCard(4));
        QCOMPARE(clients.readAt(3), changed);
        clients.close();

        const QByteArray after = fileBytes(ClientFilePath());
        QCOMPARE(after.size(), before.size());
        const auto [first, last] = changedRange(before, after);
        QCOMPARE(first, 8086);
        QCOMPARE(last, 12128);
    }

    void trailingBytesAreNeverRead()
    {
        QByteArray bytes = clientCard(1).toBytes() + clientCard(2).toBytes() + QByteArray(1, 'Z');
        QCOMPARE(bytes.size(), 8087);
        WriteFileBytes(ClientFilePath(), bytes);

        ClientFile clients;
        clients.open(ClientFilePath());
        QCOMPARE(clients.count(), 2);
        QCOMPARE(clients.readAt(1), clientCard(1));
        QCOMPARE(clients.readAt(2), clientCard(2));
        QVERIFY_THROWS_EXCEPTION(StorageError, clients.readAt(3));
        // The stray byte is where the next record goes.
        QCOMPARE(clients.append(clientCard(3)), 3);
        clients.close();
        QCOMPARE(QFileInfo(ClientFilePath()).size(), 3 * 4043);
    }

    void positionsStayWithTheirRecords()
    {
        makeVisitFile(5);
        VisitFile visits;
        visits.open(visitPath());
        QCOMPARE(visits.count(), 5);
        QCOMPARE(visits.readAt(2), visitCard(2));
        visits.writeAt(4, visitCard(40));
        QCOMPARE(visits.readAt(5), visitCard(5));
        QCOMPARE(visits.append(visitCard(6)), 6);
        QCOMPARE(visits.count(), 6);
        QCOMPARE(visits.readAt(4), visitCard(40));
        QCOMPARE(visits.readAt(6), visitCard(6));
        visits.close();
        QCOMPARE(QFileInfo(visitPath()).size(), 6 * 792);
    }

    void badPositionsThrow_data()
    {
        QTest::addColumn<BadCall>("call");
        QTest::newRow("read at 0") << BadCall::ReadAtZero;
        QTest::newRow("read after the last") << BadCall::ReadAfterLast;
        QTest::newRow("write at 0") << BadCall::WriteAtZero;
        QTest::newRow("write after the last") << BadCall::WriteAfterLast;
    }
    void badPositionsThrow()
    {
        QFETCH(BadCall, call);
        makeVisitFile(2);
        const QByteArray before = fileBytes(visitPath());
        VisitFile visits;
        visits.open(visitPath());
        visits.readAt(2);
        try {
            switch (call) {
            case BadCall::ReadAtZero:
                visits.readAt(0);
                break;
            case BadCall::ReadAfterLast:
                visits.readAt(3);
                break;
            case BadCall::WriteAtZero:
                visits.writeAt(0, visitCard(9));
                break;
            case BadCall::WriteAfterLast:
                visits.writeAt(3, visitCard(9));
                break;
            }
            QFAIL("no StorageError");
        } catch (const StorageError &) { }
        visits.close();
        QCOMPARE(fileBytes(visitPath()), before);
    }

    void openFailuresThrow_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QString>("folderToMake");
        QTest::addColumn<QString>("fileToMake");
        QTest::newRow("missing folder") << u"nessuna/2026.vis"_s << QString() << QString();
        QTest::newRow("folder in place of the file") << u"2026.vis"_s << u"2026.vis"_s << QString();
        QTest::newRow("file in place of the folder") << u"dati/2026.vis"_s << QString() << u"dati"_s;
        QTest::newRow("empty path") << QString() << QString() << QString();
    }
    void openFailuresThrow()
    {
        QFETCH(QString, relativePath);
        QFETCH(QString, folderToMake);
        QFETCH(QString, fileToMake);
        if (!folderToMake.isEmpty())
            QVERIFY(QDir(m_dir->path()).mkdir(folderToMake));
        if (!fileToMake.isEmpty())
            WriteFileBytes(m_dir->filePath(fileToMake), "x");
        const QString path = relativePath.isEmpty() ? QString() : m_dir->filePath(relativePath);

        VisitFile visits;
        QVERIFY_THROWS_EXCEPTION(StorageError, visits.open(path));
        QVERIFY_THROWS_EXCEPTION(StorageError, visits.count());
        QVERIFY_THROWS_EXCEPTION(
            StorageError, VisitFile::scan(path, [](const VisitRecordView &, int) { return true; }));
    }

    void missingProgramFolderThrows()
    {
        SetProgramFolder(m_dir->filePath(u"nessuna"_s));
        ClientFile clients;
        QVERIFY_THROWS_EXCEPTION(StorageError, clients.open(ClientFilePath()));
        QVERIFY_THROWS_EXCEPTION(
            StorageError, ClientFile::scan(ClientFilePath(), [](const ClientRecordView &, int) { return true; }));
    }

    void textSurvivesTheFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("euro and accents") << u"Caffè a 1,20 € più l'IVA"_s << u"Caffè a 1,20 € più l'IVA"_s;
        QTest::newRow("blanks around") << u"  Rossi  Bianchi \t"_s << u"Rossi  Bianchi"_s;
        QTest::newRow("greek") << u"α-test"_s << u"?-test"_s;
    }
    void textSurvivesTheFile()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TSchedaVisita card;
        card.Cognome = text;
        VisitFile visits;
        visits.open(visitPath());
        const int position = visits.append(card);
        visits.close();
        visits.open(visitPath());
        QCOMPARE(visits.readAt(position).Cognome, expected);
        visits.close();
    }

    // Foreign or damaged records: a length byte above the capacity, a field of blanks only.
    void damagedRecordsStayInsideTheirFields()
    {
        QByteArray record = visitCard(1).toBytes();
        record.replace(68, 51, char(200) + QByteArray(50, 'A')); // Cognome
        record.replace(724, 11, "\x03   " + QByteArray(7, '\0')); // DataUsc, blanks only
        record[741] = char(255); // OperatoreUsc, the record's last field
        record.replace(742, 50, QByteArray(50, 'O'));
        WriteFileBytes(visitPath(), record);

        VisitFile visits;
        visits.open(visitPath());
        const TSchedaVisita card = visits.readAt(1);
        visits.close();
        QCOMPARE(card.Cognome, QString(50, u'A'));
        QCOMPARE(card.Nome, visitCard(1).Nome);
        QCOMPARE(card.DataUsc, QString());
        QCOMPARE(card.OperatoreUsc, QString(50, u'O'));

        int seen = 0;
        VisitFile::scan(visitPath(), [&](const VisitRecordView &view, int) {
            ++seen;
            [&] {
                QVERIFY(view.isEmpty(VisitField::DataUsc));
                QVERIFY(!view.isEmpty(VisitField::Cognome));
                QCOMPARE(view.field(VisitField::OperatoreUsc), QString(50, u'O'));
                QCOMPARE(view.toRecord(), card);
            }();
            return true;
        });
        QCOMPARE(seen, 1);

        QByteArray client = clientCard(1).toBytes();
        client[3792] = char(255); // Desc03, the record's last field
        WriteFileBytes(ClientFilePath(), client);
        ClientFile clients;
        clients.open(ClientFilePath());
        QCOMPARE(clients.readAt(1).Desc03, QString());
        clients.close();
    }

    void scanMatchesSequentialReads_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("stopAt"); // 0: never stop
        QTest::newRow("empty file") << 0 << 0;
        QTest::newRow("one") << 1 << 0;
        // A scan reads 256 KiB at a time: 330 visit cards.
        QTest::newRow("one block") << 330 << 0;
        QTest::newRow("one past a block") << 331 << 0;
        QTest::newRow("several blocks") << 2500 << 0;
        QTest::newRow("stop at the first") << 2500 << 1;
        QTest::newRow("stop at a block's end") << 2500 << 330;
        QTest::newRow("stop inside the second block") << 2500 << 500;
    }
    void scanMatchesSequentialReads()
    {
        QFETCH(int, records);
        QFETCH(int, stopAt);
        makeVisitFile(records, QByteArray(100, 'Z'));

        QList<TSchedaVisita> sequential;
        VisitFile visits;
        visits.open(visitPath());
        for (int position = 1; position <= visits.count(); ++position)
            sequential.append(visits.readAt(position));
        visits.close();
        QCOMPARE(sequential.size(), records);

        QList<TSchedaVisita> scanned;
        bool consistent = true;
        VisitFile::scan(visitPath(), [&](const VisitRecordView &view, int position) {
            consistent = consistent && position == scanned.size() + 1
                && view.field(VisitField::DataUsc) == sequential.at(position - 1).DataUsc
                && view.isEmpty(VisitField::DataUsc) == sequential.at(position - 1).DataUsc.isEmpty();
            scanned.append(view.toRecord());
            return position != stopAt;
        });
        QVERIFY(consistent);
        const int expected = stopAt > 0 ? std::min(stopAt, records) : records;
        QCOMPARE(scanned, sequential.first(expected));
    }

    void scanCreatesMissingFile()
    {
        int calls = 0;
        VisitFile::scan(visitPath(), [&](const VisitRecordView &, int) { return ++calls, true; });
        ClientFile::scan(ClientFilePath(), [&](const ClientRecordView &, int) { return ++calls, true; });
        QCOMPARE(calls, 0);
        QVERIFY(QFileInfo(visitPath()).isFile());
        QVERIFY(QFileInfo(ClientFilePath()).isFile());
    }

    void scanClientsInFileOrder()
    {
        ClientFile clients;
        clients.open(ClientFilePath());
        for (int i = 1; i <= 3; ++i)
            clients.append(clientCard(i));
        clients.close();
        QStringList surnames;
        ClientFile::scan(ClientFilePath(), [&](const ClientRecordView &view, int position) {
            surnames << view.field(ClientField::Cognome) + u'@' + QString::number(position);
            return true;
        });
        QCOMPARE(surnames, QStringList({ u"Cliente1@1"_s, u"Cliente2@2"_s, u"Cliente3@3"_s }));
    }

    // A save that cannot reach the disk must fail loudly, not report a position.
    void failedWriteIsReported()
    {
#ifndef Q_OS_LINUX
        QSKIP("needs a file size limit to make a write fail");
#else
        makeVisitFile(2);
        bool threw = false;
        {
            FileSizeLimit limit(2 * 792 + 100);
            try {
                VisitFile visits;
                visits.open(visitPath());
                visits.writeAt(2, visitCard(20)); // inside the limit
                visits.append(visitCard(3));
            } catch (const StorageError &) {
                threw = true;
            }
        }
        QVERIFY(threw);
        VisitFile visits;
        visits.open(visitPath());
        QCOMPARE(visits.count(), 2); // the cut-off record is not counted
        QCOMPARE(visits.readAt(2), visitCard(20));
        visits.close();
#endif
    }
};

QTEST_GUILESS_MAIN(TestRecordFiles)
#include "TestRecordFiles.moc"
