#include "FileSizeLimit.h"
#include "TestHelpers.h"
#include "base/Clock.h"
#include "base/ProgramFolder.h"
#include "base/Session.h"
#include "base/WorkProgress.h"
#include "storage/ActivityLog.h"
#include "storage/StorageError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const char ChildSwitch[] = "--log-child";
constexpr int LinesPerChild = 50;

const QByteArray Zeros(64, '0');

// The chain worked out here on its own, by Qt's SHA-256 rather than the program's.
QByteArray chainOf(const QByteArray &previous, const QByteArray &fields)
{
    return QCryptographicHash::hash(previous + '\t' + fields, QCryptographicHash::Sha256).toHex();
}

// A line as the register must hold it (without its "\n"), chained from `previous`.
QByteArray registerLine(const QByteArray &previous, const QStringList &fields)
{
    const QByteArray joined = fields.join(u'\t').toUtf8();
    return joined + '\t' + chainOf(previous, joined);
}

QByteArray chainField(const QByteArray &line)
{
    return line.mid(line.lastIndexOf('\t') + 1);
}

// Gives line `index` the chain that follows from the line before it, as someone who knows how the
// chain is made would.
void rechain(QList<QByteArray> &lines, int index)
{
    const QByteArray previous = index == 0 ? Zeros : chainField(lines.at(index - 1));
    const QByteArray fields = lines.at(index).left(lines.at(index).lastIndexOf('\t'));
    lines[index] = fields + '\t' + chainOf(previous, fields);
}

QList<QByteArray> sampleLines(int count)
{
    QList<QByteArray> lines;
    QByteArray previous = Zeros;
    for (int i = 0; i < count; ++i) {
        const QString time = QTime(8, 0).addSecs(i % 36000).toString(u"'2026-03-07T'HH:mm:ss"_s);
        lines << registerLine(
            previous, { time, u"Ingresso"_s, u"Bianchi"_s, u"salvataggio_visita"_s, u"riga %1 Niccolò"_s.arg(i + 1) });
        previous = chainField(lines.last());
    }
    return lines;
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + '\n';
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QDateTime SaveTime(QDate(2026, 3, 7), QTime(10, 15, 30));
const QStringList SavedFields
    = { u"2026-03-07T10:15:30"_s, u"Ingresso"_s, u"Bianchi"_s, u"salvataggio_visita"_s, u"Rossi Mario"_s };

void appendSaved(const QString &file)
{
    ActivityLog::appendLine(file, SaveTime, SavedFields[1], SavedFields[2], SavedFields[3], SavedFields[4]);
}

// One desk of several logging events at once into the register of `folder`.
int appendAsChild(const QString &folder, const QString &name)
{
    std::printf("ready\n");
    std::fflush(stdout);
    if (std::getchar() == EOF)
        return 2;
    SetProgramFolder(folder);
    for (int i = 0; i < LinesPerChild; ++i) {
        if (!ActivityLog::append(u"accesso"_s, name + u' ' + QString::number(i)))
            return 1;
        QThread::msleep(1);
    }
    return 0;
}

using Edit = std::function<void(QList<QByteArray> &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestActivityLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Clock::reset();
        Session::logOut();
    }

    void appendWritesTimeDeskAndOperator()
    {
        TempProgramFolder folder;
        QCOMPARE(ActivityLog::path(), folder.file(u"Registro_attivita.log"_s));
        Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 7)));
        Session::logIn(u"Verdi"_s, OperatorRole::Operatore);
        QVERIFY(ActivityLog::append(u"accesso"_s, QString()));
        Session::logOut();
        Clock::setFixed(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        QVERIFY(ActivityLog::append(u"salvataggio_visita"_s, u"Perché è così"_s));

        const QString desk = QSysInfo::machineHostName();
        const QByteArray first = registerLine(Zeros, { u"2026-03-07T09:05:07"_s, desk, u"Verdi"_s, u"accesso"_s, {} });
        const QByteArray second = registerLine(
            chainField(first), { u"2026-12-31T23:59:59"_s, desk, u"-"_s, u"salvataggio_visita"_s, u"Perché è così"_s });
        QCOMPARE(FileBytes(ActivityLog::path()), joined({ first, second }));
        const ActivityLog::Check check = ActivityLog::verify(ActivityLog::path());
        QVERIFY(check.intact);
        QCOMPARE(check.lines, qint64(2));
        QVERIFY(!QFileInfo::exists(ActivityLog::path() + u".lock"_s));
    }

    void fieldBreaksBecomeBlanks()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"log"_s);
        ActivityLog::appendLine(file, SaveTime, u"Banco\t1"_s, u"Rossi\r\nMario"_s, u"acc\nesso"_s, u"a\tb\rc\nd\t"_s);
        QCOMPARE(FileBytes(file),
            joined({ registerLine(
                Zeros, { SavedFields[0], u"Banco 1"_s, u"Rossi  Mario"_s, u"acc esso"_s, u"a b c d "_s }) }));
        QVERIFY(ActivityLog::verify(file).intact);
    }

    // What the new line is chained from, whatever the end of the register looks like.
    void appendChainsFromTheLastWholeLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("previousChain");
        QTest::addColumn<bool>("startsNewLine");

        const QList<QByteArray> lines = sampleLines(2);
        const QByteArray whole = joined(lines);
        QTest::newRow("no file yet") << QByteArray() << Zeros << false;
        QTest::newRow("whole lines") << whole << chainField(lines[1]) << false;
        QTest::newRow("last line cut") << whole + lines[1].left(30) << chainField(lines[1]) << true;
        QTest::newRow("only a cut line") << lines[0].left(30) << Zeros << true;
        QTest::newRow("cut right before its newline") << whole + lines[0] << chainField(lines[1]) << true;
        QTest::newRow("short chain field") << whole + "a\tb\tc\td\te\tabc\n" << QByteArray("abc") << false;
        QTest::newRow("five fields") << whole + "a\tb\tc\td\te\n" << Zeros << false;
        QTest::newRow("blank last line") << whole + '\n' << Zeros << false;
    }

    void appendChainsFromTheLastWholeLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, previousChain);
        QFETCH(bool, startsNewLine);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"log"_s);
        if (!before.isEmpty())
            writeFile(file, before);

        appendSaved(file);

        const QByteArray expected
            = before + (startsNewLine ? "\n" : "") + joined({ registerLine(previousChain, SavedFields) });
        QCOMPARE(FileBytes(file), expected);
    }

    void severalDesksAtOnce()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList names = { u"Ingresso"_s, u"Magazzino"_s, u"Uffici"_s, u"Officina"_s };
        QList<QProcess *> children;
        for (const QString &name : names) {
            auto *child = new QProcess(this);
            child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child->start(
                QCoreApplication::applicationFilePath(), { QString::fromLatin1(ChildSwitch), dir.path(), name });
            children << child;
        }
        for (QProcess *child : std::as_const(children))
            QVERIFY(child->waitForReadyRead(60000));
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

        const QString file = dir.filePath(u"Registro_attivita.log"_s);
        const QByteArray bytes = FileBytes(file);
        QVERIFY(bytes.endsWith('\n'));
        QSet<QString> details;
        for (const QByteArray &line : bytes.chopped(1).split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 6);
            QCOMPARE(fields[3], QByteArray("accesso"));
            details.insert(QString::fromUtf8(fields[4]));
        }
        const qint64 total = qint64(names.size()) * LinesPerChild;
        QCOMPARE(qint64(details.size()), total);
        for (const QString &name : names) {
            for (int i = 0; i < LinesPerChild; ++i)
                QVERIFY2(details.contains(name + u' ' + QString::number(i)), qPrintable(name));
        }
        const ActivityLog::Check check = ActivityLog::verify(file);
        QVERIFY(check.intact);
        QCOMPARE(check.lines, total);
    }

    void changesAreFoundAtTheirLine_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<qint64>("badLine");

        QTest::newRow("details changed") << Edit([](auto &l) { l[3].replace("riga 4", "riga 5"); }) << qint64(4);
        QTest::newRow("time of the first line") << Edit([](auto &l) { l[0][3] = '7'; }) << qint64(1);
        QTest::newRow("accent replaced") << Edit([](auto &l) { l[8].replace("ò", "o"); }) << qint64(9);
        QTest::newRow("chain digit changed") << Edit([](auto &l) {
            char &last = l[5][l[5].size() - 1];
            last = last == '0' ? '1' : '0';
        }) << qint64(6);
        QTest::newRow("chain in capitals")
            << Edit([](auto &l) { l[1] = l[1].left(l[1].lastIndexOf('\t') + 1) + chainField(l[1]).toUpper(); })
            << qint64(2);
        QTest::newRow("line removed") << Edit([](auto &l) { l.removeAt(4); }) << qint64(5);
        QTest::newRow("first line removed") << Edit([](auto &l) { l.removeFirst(); }) << qint64(1);
        QTest::newRow("lines swapped") << Edit([](auto &l) { l.swapItemsAt(2, 3); }) << qint64(3);
        QTest::newRow("line repeated") << Edit([](auto &l) { l.insert(8, l[7]); }) << qint64(9);
        QTest::newRow("blank line inserted") << Edit([](auto &l) { l.insert(6, {}); }) << qint64(7);
        QTest::newRow("carriage return at the end") << Edit([](auto &l) { l[7] += '\r'; }) << qint64(8);
        // Chained as the program would, yet no line it writes looks like these.
        QTest::newRow("seventh field, chain remade") << Edit([](auto &l) {
            l[2].replace("riga 3", "riga\t3");
            rechain(l, 2);
        }) << qint64(3);
        QTest::newRow("invalid UTF-8, chain remade") << Edit([](auto &l) {
            l[4].replace("riga",
                "\xff"
                "ga");
            rechain(l, 4);
        }) << qint64(5);
    }

    void changesAreFoundAtTheirLine()
    {
        QFETCH(Edit, edit);
        QFETCH(qint64, badLine);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"log"_s);
        QList<QByteArray> lines = sampleLines(10);
        writeFile(file, joined(lines));
        QVERIFY(ActivityLog::verify(file).intact);

        edit(lines);
        writeFile(file, joined(lines));
        const ActivityLog::Check check = ActivityLog::verify(file);
        QVERIFY(!check.intact);
        QCOMPARE(check.firstBadLine, badLine);
        QCOMPARE(check.lines, badLine - 1);
    }

    // Only a cut inside a line shows: a register that ends at a line's end reads as whole.
    void cutRegisters_data()
    {
        QTest::addColumn<int>("wholeLines");
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<bool>("intact");
        QTest::addColumn<qint64>("lines");

        const int lineLength = int(sampleLines(5)[3].size());
        QTest::newRow("empty") << 0 << 0 << true << qint64(0);
        QTest::newRow("at the end of line 3") << 3 << 0 << true << qint64(3);
        QTest::newRow("inside line 1") << 0 << 10 << false << qint64(0);
        QTest::newRow("inside line 4") << 3 << 25 << false << qint64(3);
        QTest::newRow("inside the chain of line 4") << 3 << lineLength - 5 << false << qint64(3);
        QTest::newRow("final newline lost") << 4 << lineLength << false << qint64(4);
    }

    void cutRegisters()
    {
        QFETCH(int, wholeLines);
        QFETCH(int, extraBytes);
        QFETCH(bool, intact);
        QFETCH(qint64, lines);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"log"_s);
        const QList<QByteArray> all = sampleLines(5);
        writeFile(file, joined(all.first(wholeLines)) + all[wholeLines].left(extraBytes));

        const ActivityLog::Check check = ActivityLog::verify(file);
        QCOMPARE(check.intact, intact);
        QCOMPARE(check.lines, lines);
        QCOMPARE(check.firstBadLine, intact ? 0 : lines + 1);
    }

    void appendAfterACutLineKeepsItVisible()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"log"_s);
        const QList<QByteArray> lines = sampleLines(3);
        writeFile(file, joined(lines.first(2)) + lines[2].left(40));

        appendSaved(file);
        appendSaved(file);

        const QByteArray added = registerLine(chainField(lines[1]), SavedFields);
        QCOMPARE(FileBytes(file),
            joined({ lines[0], lines[1], lines[2].left(40), added, registerLine(chainField(added), SavedFields) }));
        const ActivityLog::Check check = ActivityLog::verify(file);
        QVERIFY(!check.intact);
        QCOMPARE(check.firstBadLine, qint64(3));
    }

    void largeRegisterIsReadInBlocks()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"log"_s);
        QList<QByteArray> lines = sampleLines(6000);
        const QByteArray bytes = joined(lines);
        writeFile(file, bytes);

        WorkProgress progress;
        {
            WorkProgress::Scope scope(progress);
            const ActivityLog::Check check = ActivityLog::verify(file);
            QVERIFY(check.intact);
            QCOMPARE(check.lines, qint64(lines.size()));
        }
        QCOMPARE(progress.total(), qint64(bytes.size()));
        QCOMPARE(progress.done(), qint64(bytes.size()));

        // Lines that straddle the ends of the blocks read are checked as well.
        for (const qint64 blockEnd : { 256 * 1024, 512 * 1024 }) {
            const qint64 line = bytes.left(blockEnd).count('\n');
            QList<QByteArray> changed = lines;
            changed[line].replace("riga", "Riga");
            writeFile(file, joined(changed));
            const ActivityLog::Check check = ActivityLog::verify(file);
            QVERIFY(!check.intact);
            QCOMPARE(check.firstBadLine, line + 1);
        }

        progress.reset();
        progress.cancel();
        WorkProgress::Scope scope(progress);
        QVERIFY_THROWS_EXCEPTION(WorkCancelled, ActivityLog::verify(file));
    }

    void missingAndUnreadableRegisters()
    {
        QTemporaryDir dir;
        const ActivityLog::Check missing = ActivityLog::verify(dir.filePath(u"log"_s));
        QVERIFY(missing.intact);
        QCOMPARE(missing.lines, qint64(0));

        QVERIFY(QDir(dir.path()).mkdir(u"log"_s));
        QVERIFY_THROWS_EXCEPTION(StorageError, ActivityLog::verify(dir.filePath(u"log"_s)));
    }

    void appendFailsWithoutThrowing()
    {
        TempProgramFolder folder;
        QVERIFY(ActivityLog::append(u"accesso"_s, {}));
        const QByteArray before = FileBytes(ActivityLog::path());
        {
            FileSizeLimit full(before.size() + 20);
            QVERIFY(!ActivityLog::append(u"salvataggio_visita"_s, u"Rossi Mario"_s));
        }
        QCOMPARE(FileBytes(ActivityLog::path()), before);
        QVERIFY(ActivityLog::append(u"uscita"_s, {}));
        QCOMPARE(ActivityLog::verify(ActivityLog::path()).lines, qint64(2));

        // A file where the folder should be: nothing can be made in it, whatever the rights.
        const QString notAFolder = folder.file(u"cartella"_s);
        writeFile(notAFolder, "x");
        SetProgramFolder(notAFolder);
        QVERIFY(!ActivityLog::append(u"accesso"_s, {}));
        QVERIFY_THROWS_EXCEPTION(StorageError, appendSaved(ActivityLog::path()));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], ChildSwitch) == 0)
        return appendAsChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestActivityLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestActivityLog.moc"
