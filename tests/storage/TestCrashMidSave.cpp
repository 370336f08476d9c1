// A copy of the program killed at random moments while it appends and overwrites cards, many
// times over: every card whose save had returned is on file byte for byte, a card being written
// is there whole or not at all, and a torn record at the end is ignored and then written over.

#include "storage/StorageError.h"
#include "storage/VisitFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString SaverSwitch = u"--saver"_s;

// Every card ever written is told apart by its serial number, and fills most of its record.
TSchedaVisita crashCard(int serial)
{
    TSchedaVisita card;
    card.DataEnt = u"07/03/2026"_s;
    card.OraEnt = u"09:30"_s;
    card.Cognome = u"Serial"_s;
    card.Nome = QString::number(serial);
    card.Motivo = QString(50, QChar(u'A' + serial % 26));
    card.Note = QString(250, QChar(u'a' + serial % 26));
    card.OperatoreUsc = QString(50, QChar(u'0' + serial % 10));
    return card;
}

void say(const char *format, int a, int b = 0, int c = 0)
{
    std::printf(format, a, b, c);
    std::fflush(stdout);
}

// Saves for ever, each save its own action: mostly new cards, sometimes a stored card rewritten.
// Says what it starts and, once the save has returned, what it saved.
int saveUntilKilled(const QString &path, int firstSerial, quint32 seed)
{
    QRandomGenerator random(seed);
    try {
        for (int serial = firstSerial;; ++serial) {
            VisitFile file;
            file.open(path);
            const int count = file.count();
            if (count > 0 && random.bounded(3) == 0) {
                const int position = int(random.bounded(count)) + 1;
                say("begin W %d %d\n", position, serial);
                file.writeAt(position, crashCard(serial));
                file.close();
                say("W %d %d\n", position, serial);
            } else {
                say("begin A %d\n", serial);
                const int position = file.append(crashCard(serial));
                file.close();
                say("A %d %d\n", position, serial);
            }
        }
    } catch (const StorageError &error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    return 1;
}

} // namespace

class TestCrashMidSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedAtRandomMoments()
    {
        constexpr int Kills = 50;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"2026.vis"_s);
        QRandomGenerator random(20260307);

        QMap<int, int> confirmed; // position -> serial of the card whose save returned last
        int nextSerial = 1;
        int saves = 0;
        int tornMade = 0;
        int tornByKills = 0;
        bool tornLeft = false; // the torn bytes the test left are still there
        int inFlightLanded = 0;
        for (int kill = 1; kill <= Kills; ++kill) {
            QProcess saver;
            saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            saver.start(QCoreApplication::applicationFilePath(),
                { SaverSwitch, path, QString::number(nextSerial), QString::number(kill) });
            QVERIFY(saver.waitForReadyRead(60000));
            QThread::msleep(random.bounded(150));
            QVERIFY2(saver.state() == QProcess::Running, "the saver stopped by itself");
            saver.kill();
            QVERIFY(saver.waitForFinished(60000));

            // What the saver said: each confirmed save, and the one it was in the middle of.
            char pending = 0;
            int pendingPosition = 0, pendingSerial = 0;
            bool appended = false;
            for (const QByteArray &line : saver.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> word = line.split(' ');
                if (word.size() == 3 && word.at(0) == "begin" && word.at(1) == "A") {
                    pending = 'A', pendingPosition = 0, pendingSerial = word.at(2).toInt();
                } else if (word.size() == 4 && word.at(0) == "begin") {
                    pending = 'W', pendingPosition = word.at(2).toInt(), pendingSerial = word.at(3).toInt();
                } else if (word.size() == 3) {
                    const int position = word.at(1).toInt();
                    if (word.at(0) == "A") {
                        QCOMPARE(position, int(confirmed.size()) + 1);
                        appended = true;
                    }
                    confirmed[position] = word.at(2).toInt();
                    pending = 0;
                    ++saves;
                }
                if (pendingSerial >= nextSerial)
                    nextSerial = pendingSerial + 1;
            }

            // The file: every confirmed card byte for byte; the card in flight whole or absent.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            file.close();
            const int whole = int(bytes.size() / TSchedaVisita::RecordSize);
            const int known = int(confirmed.size());
            QVERIFY2(whole == known || (whole == known + 1 && pending == 'A'),
                qPrintable(u"kill %1: %2 whole records, %3 saves confirmed"_s.arg(kill).arg(whole).arg(known)));
            for (int position = 1; position <= whole; ++position) {
                const QByteArray record
                    = bytes.mid(qsizetype(position - 1) * TSchedaVisita::RecordSize, TSchedaVisita::RecordSize);
                const int expected = position <= known ? confirmed.value(position) : pendingSerial;
                if (record == crashCard(expected).toBytes())
                    continue;
                QVERIFY2(pending == 'W' && position == pendingPosition && record == crashCard(pendingSerial).toBytes(),
                    qPrintable(
                        u"kill %1: position %2 holds serial %3 instead of %4 (in flight: %5 %6 %7; %8 whole, %9 known)"_s
                            .arg(kill)
                            .arg(position)
                            .arg(TSchedaVisita::fromBytes(record).Nome)
                            .arg(expected)
                            .arg(QChar::fromLatin1(pending ? pending : '-'))
                            .arg(pendingPosition)
                            .arg(pendingSerial)
                            .arg(whole)
                            .arg(known)));
                confirmed[position] = pendingSerial;
                ++inFlightLanded;
            }
            if (whole == known + 1) {
                confirmed[whole] = pendingSerial;
                ++inFlightLanded;
                appended = true;
            }
            // Bytes after the whole records: the start of the card being appended when the kill came
            // (the system checks for a kill between the pages a write spans), or the torn record left
            // on purpose below if nothing was appended since.
            const QByteArray tail = bytes.mid(qsizetype(whole) * TSchedaVisita::RecordSize);
            if (!tail.isEmpty()) {
                const bool inFlight
                    = pending == 'A' && whole == known && crashCard(pendingSerial).toBytes().startsWith(tail);
                QVERIFY2(inFlight || (tornLeft && !appended),
                    qPrintable(u"kill %1: %2 torn bytes that no save left"_s.arg(kill).arg(tail.size())));
                if (inFlight)
                    ++tornByKills;
            }
            // The program counts whole records only, whatever trails them.
            VisitFile visits;
            visits.open(path);
            QCOMPARE(visits.count(), whole);
            visits.close();

            if (appended)
                tornLeft = false;

            // Now and then the power goes while a record is half written: an append starts at the
            // whole-record position, so the torn bytes take the place of whatever trailed the file.
            // The next append must land on that position and write over them.
            if (kill % 5 == 0) {
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.resize(qint64(whole) * TSchedaVisita::RecordSize));
                QVERIFY(file.seek(file.size()));
                file.write(QByteArray(int(random.bounded(1, TSchedaVisita::RecordSize)), char(random.bounded(256))));
                file.close();
                ++tornMade;
                tornLeft = true;
            }
        }
        QVERIFY(saves > Kills);
        qInfo("%d kills survived: %d saves confirmed and found byte for byte, %d saves in flight found whole, "
              "%d records torn by a kill and %d torn on purpose, each ignored and written over",
            Kills, saves, inFlightLanded, tornByKills, tornMade);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments.at(1) == SaverSwitch)
        return saveUntilKilled(arguments.at(2), arguments.at(3).toInt(), arguments.at(4).toUInt());
    TestCrashMidSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestCrashMidSave.moc"
