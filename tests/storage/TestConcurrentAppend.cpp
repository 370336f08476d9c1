#include "storage/StorageError.h"
#include "storage/VisitFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const char ChildSwitch[] = "--append-child";
constexpr int CardsPerChild = 300;

TSchedaVisita card(const QString &surname)
{
    TSchedaVisita v;
    v.Cognome = surname;
    return v;
}

QStringList surnamesInFile(const QString &path)
{
    QStringList surnames;
    VisitFile::scan(path, [&](const VisitRecordView &record, int) {
        surnames << record.field(VisitField::Cognome);
        return true;
    });
    return surnames;
}

// One copy of the program saving new cards, each save its own open-append-close action.
// It says it is ready and waits for the go, so both copies start appending together.
int appendAsChild(const QString &path, const QString &desk)
{
    std::printf("ready\n");
    std::fflush(stdout);
    if (std::getchar() == EOF)
        return 2;
    try {
        for (int i = 0; i < CardsPerChild; ++i) {
            TSchedaVisita card;
            card.Cognome = desk;
            card.Nome = QString::number(i);
            VisitFile visits;
            visits.open(path);
            visits.append(card);
            visits.close();
            // Saves are separate user actions; the pause lets the other copy take its turn.
            QThread::msleep(3);
        }
    } catch (const StorageError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

class TestConcurrentAppend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoCopiesNeverShareAPosition()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"2026.vis"_s);
        const QStringList desks = { u"Ingresso"_s, u"Magazzino"_s };

        QList<QProcess *> children;
        for (const QString &desk : desks) {
            auto *child = new QProcess(this);
            child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child->start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(ChildSwitch), path, desk });
            children << child;
        }
        for (QProcess *child : std::as_const(children))
            QVERIFY(child->waitForReadyRead(60000));
        // QProcess writes only while waiting on that process: each go is pushed through at once, or
        // the second copy would start only once the first had finished.
        for (QProcess *child : std::as_const(children)) {
            child->write("go\n");
            QVERIFY(child->waitForBytesWritten(10000));
            child->closeWriteChannel();
        }
        for (QProcess *child : std::as_const(children)) {
            QVERIFY(child->waitForFinished(240000));
            QCOMPARE(child->exitStatus(), QProcess::NormalExit);
            QCOMPARE(child->exitCode(), 0);
        }

        QCOMPARE(QFileInfo(path).size(), qint64(desks.size()) * CardsPerChild * TSchedaVisita::RecordSize);
        QSet<QString> cards;
        int count = 0;
        VisitFile::scan(path, [&](const VisitRecordView &card, int) {
            ++count;
            cards.insert(card.field(VisitField::Cognome) + u'/' + card.field(VisitField::Nome));
            return true;
        });
        QCOMPARE(count, int(desks.size()) * CardsPerChild);
        for (const QString &desk : desks) {
            for (int i = 0; i < CardsPerChild; ++i)
                QVERIFY2(cards.contains(desk + u'/' + QString::number(i)), qPrintable(desk + QString::number(i)));
        }
        QVERIFY(!QFileInfo::exists(path + u".lock"_s));
    }

    // Another copy holds the lock and appends meanwhile: this append waits, then counts again.
    void appendWaitsForTheLockAndCountsUnderIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"2026.vis"_s);
        VisitFile visits;
        visits.open(path);

        QLockFile other(path + u".lock"_s);
        QVERIFY(other.tryLock(0));
        int position = 0;
        bool failed = false;
        std::thread saver([&] {
            try {
                position = visits.append(card(u"Saver"_s));
            } catch (const StorageError &) {
                failed = true;
            }
        });
        QThread::msleep(300);
        const qint64 sizeWhileLocked = QFileInfo(path).size();
        QFile otherCopy(path);
        const bool otherWrote = otherCopy.open(QIODevice::Append)
            && otherCopy.write(card(u"Other"_s).toBytes()) == TSchedaVisita::RecordSize;
        otherCopy.close();
        other.unlock();
        saver.join();
        visits.close();

        QVERIFY(otherWrote);
        QCOMPARE(sizeWhileLocked, 0);
        QVERIFY(!failed);
        QCOMPARE(position, 2);
        QCOMPARE(surnamesInFile(path), QStringList({ u"Other"_s, u"Saver"_s }));
    }

    void staleLockOfACrashedCopyIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"2026.vis"_s);
        QFile stale(path + u".lock"_s);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("12345\nportavel\naltro-pc\n");
        QVERIFY(stale.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        stale.close();

        VisitFile visits;
        visits.open(path);
        QCOMPARE(visits.append(card(u"Rossi"_s)), 1);
        visits.close();
        QVERIFY(!QFileInfo::exists(path + u".lock"_s));
    }

    void lockNeverReleasedIsAnError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"2026.vis"_s);
        QLockFile other(path + u".lock"_s);
        QVERIFY(other.tryLock(0));

        VisitFile visits;
        visits.open(path);
        QElapsedTimer waited;
        waited.start();
        QVERIFY_THROWS_EXCEPTION(StorageError, visits.append(card(u"Rossi"_s)));
        QVERIFY(waited.elapsed() < 30000);
        visits.close();
        QCOMPARE(QFileInfo(path).size(), 0);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], ChildSwitch) == 0)
        return appendAsChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestConcurrentAppend test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestConcurrentAppend.moc"
