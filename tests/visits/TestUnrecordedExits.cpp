#include "TestHelpers.h"
#include "VisitCards.h"

#include "base/Clock.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "visits/UnrecordedExits.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

const QDate Today(2026, 12, 10);

// The published layout of the exit fields: offset and capacity.
constexpr int DataUscAt = 724, DataUscSize = 10;
constexpr int OraUscAt = 735, OraUscSize = 5;
constexpr int OperatoreUscAt = 741, OperatoreUscSize = 50;

TSchedaVisita visit(
    const QString &cognome, const QString &dataEnt, const QString &oraEnt = u"09:15"_s, const QString &dataUsc = {})
{
    return VisitCard({ { F::Cognome, cognome }, { F::Nome, u"Nome"_s }, { F::DataEnt, dataEnt }, { F::OraEnt, oraEnt },
        { F::DataUsc, dataUsc }, { F::Motivo, u"Riunione"_s }, { F::TelCel, u"333"_s } });
}

QStringList surnames(const QList<UnrecordedExit> &found)
{
    QStringList out;
    for (const UnrecordedExit &v : found)
        out << v.line.section(u' ', 0, 0) + u'@' + QString::number(v.year) + u':' + QString::number(v.position);
    return out;
}

// A stored field written by hand: length byte, text, then the unused bytes given (zeros unless said).
void poke(QByteArray &record, int at, int capacity, const QByteArray &text, char filler = 0)
{
    record[at] = char(text.size());
    for (int i = 0; i < capacity; ++i)
        record[at + 1 + i] = i < text.size() ? text.at(i) : filler;
}

} // namespace

class TestUnrecordedExits : public QObject
{
    Q_OBJECT

    std::optional<TempProgramFolder> m_folder;

    QString yearFile(int year) const { return m_folder->file(QString::number(year) + u".vis"_s); }

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        Clock::setFixed(QDateTime(Today, QTime(10, 15)));
    }
    void cleanup()
    {
        Clock::reset();
        m_folder.reset();
    }

    void openFromEarlierDay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("dataEnt");
        QTest::addColumn<QString>("dataUsc");
        QTest::addColumn<bool>("found");

        QTest::newRow("yesterday, no exit") << 2026 << u"09/12/2026"_s << QString() << true;
        QTest::newRow("early in the year") << 2026 << u"02/01/2026"_s << QString() << true;
        QTest::newRow("unpadded") << 2026 << u"9/12/2026"_s << QString() << true;
        QTest::newRow("two-digit year") << 2026 << u"09/12/26"_s << QString() << true;
        QTest::newRow("today") << 2026 << u"10/12/2026"_s << QString() << false;
        QTest::newRow("today unpadded") << 2026 << u"10/12/26"_s << QString() << false;
        QTest::newRow("a later day") << 2026 << u"11/12/2026"_s << QString() << false;
        QTest::newRow("exit written") << 2026 << u"09/12/2026"_s << u"09/12/2026"_s << false;
        QTest::newRow("exit of another day") << 2026 << u"01/12/2026"_s << u"03/12/2026"_s << false;
        QTest::newRow("entry date no date") << 2026 << u"nessuna"_s << QString() << false;
        QTest::newRow("entry date 31/02") << 2026 << u"31/02/2026"_s << QString() << false;
        QTest::newRow("entry date blank") << 2026 << QString() << QString() << false;
        QTest::newRow("without year, earlier") << 2026 << u"09/12"_s << QString() << true;
        QTest::newRow("without year, later") << 2026 << u"11/12"_s << QString() << false;
        QTest::newRow("last year's file") << 2025 << u"15/03/2025"_s << QString() << true;
        QTest::newRow("last year's file, exit written") << 2025 << u"15/03/2025"_s << u"15/03/2025"_s << false;
        // 27/12 of this year is still to come; on last year's card it is last year's.
        QTest::newRow("last year's file, without year") << 2025 << u"27/12"_s << QString() << true;
        QTest::newRow("two years ago is not read") << 2024 << u"15/03/2024"_s << QString() << false;
    }
    void openFromEarlierDay()
    {
        QFETCH(int, year);
        QFETCH(QString, dataEnt);
        QFETCH(QString, dataUsc);
        QFETCH(bool, found);

        WriteVisits(yearFile(year), { visit(u"Rossi"_s, dataEnt, u"09:15"_s, dataUsc) });
        const QList<UnrecordedExit> exits = FindUnrecordedExits(Today);
        QCOMPARE(exits.size(), found ? 1 : 0);
        if (found) {
            QCOMPARE(exits.first().yearFile, yearFile(year));
            QCOMPARE(exits.first().position, 1);
        }
    }

    // An exit date of blanks is no exit: the card is still open.
    void blankExitDateIsOpen()
    {
        QByteArray record = visit(u"Rossi"_s, u"09/12/2026"_s).toBytes();
        poke(record, DataUscAt, DataUscSize, "   ");
        WriteFileBytes(yearFile(2026), record);
        QCOMPARE(FindUnrecordedExits(Today).size(), 1);
    }

    // Last year's file first; each year by entry day, then time (one that cannot be read last),
    // equal ones in file order. The line is the one the list of those not yet out shows.
    void oldestFirst()
    {
        WriteVisits(yearFile(2026),
            { visit(u"Giorno3"_s, u"03/12/2026"_s, u"08:00"_s), visit(u"Giorno1Tardi"_s, u"1/12/2026"_s, u"17:30"_s),
                visit(u"Giorno1Presto"_s, u"01/12/2026"_s, u"8:05"_s),
                visit(u"Giorno1SenzaOra"_s, u"01/12/2026"_s, u"boh"_s),
                visit(u"Giorno1PrestoBis"_s, u"01/12/26"_s, u"08:05"_s), visit(u"Oggi"_s, u"10/12/2026"_s),
                visit(u"Uscito"_s, u"02/12/2026"_s, u"08:00"_s, u"02/12/2026"_s) });
        WriteVisits(yearFile(2025),
            { visit(u"Natale"_s, u"25/12/2025"_s, u"10:00"_s), visit(u"Marzo"_s, u"15/03/2025"_s, u"10:00"_s) });

        const QList<UnrecordedExit> exits = FindUnrecordedExits(Today);
        QCOMPARE(surnames(exits),
            (QStringList { u"Marzo@2025:2"_s, u"Natale@2025:1"_s, u"Giorno1Presto@2026:3"_s,
                u"Giorno1PrestoBis@2026:5"_s, u"Giorno1Tardi@2026:2"_s, u"Giorno1SenzaOra@2026:4"_s,
                u"Giorno3@2026:1"_s }));
        QCOMPARE(exits.at(4).line,
            u"Giorno1Tardi Nome               Cel. 333           Entrata: 1/12/2026   Ora: 17:30  Motivo: Riunione"_s);
    }

    // Looking never makes a file.
    void missingFilesStayMissing()
    {
        QVERIFY(FindUnrecordedExits(Today).isEmpty());
        QVERIFY(!QFile::exists(yearFile(2025)));
        QVERIFY(!QFile::exists(yearFile(2026)));
    }

    void unreadableFileThrows()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(u"2026.vis"_s));
        QVERIFY_THROWS_EXCEPTION(StorageError, FindUnrecordedExits(Today));
    }

    // Only the three exit fields change; every other byte, even the junk after a field's text and
    // a byte the code page lacks, stays as it was. The exit date is the entry date as stored.
    void closingRewritesOnlyTheExit_data()
    {
        QTest::addColumn<QByteArray>("dataEnt");
        QTest::addColumn<QByteArray>("exitDateBefore");
        QTest::newRow("as the program writes it") << QByteArray("09/12/2026") << QByteArray();
        QTest::newRow("unpadded, two-digit year") << QByteArray("9/1/26") << QByteArray();
        QTest::newRow("without year") << QByteArray("9/1") << QByteArray();
        QTest::newRow("exit date of blanks") << QByteArray("09/12/2026") << QByteArray("  ");
    }
    void closingRewritesOnlyTheExit()
    {
        QFETCH(QByteArray, dataEnt);
        QFETCH(QByteArray, exitDateBefore);

        QByteArray record = visit(u"Rossi"_s, QString()).toBytes();
        poke(record, 0, 10, dataEnt, '\x7f');
        poke(record, DataUscAt, DataUscSize, exitDateBefore, 'j');
        poke(record, OraUscAt, OraUscSize, {}, 'k');
        poke(record, OperatoreUscAt, OperatoreUscSize, {}, 'x');
        record[200] = '\x81';
        const QByteArray other = visit(u"Bianchi"_s, u"08/12/2026"_s).toBytes();
        WriteFileBytes(yearFile(2026), other + record + other);

        const QList<UnrecordedExit> exits = FindUnrecordedExits(Today);
        QCOMPARE(exits.size(), 3);
        const auto middle
            = std::find_if(exits.begin(), exits.end(), [](const UnrecordedExit &v) { return v.position == 2; });
        QVERIFY(middle != exits.end());
        QCOMPARE(CloseUnrecordedExits({ *middle }, Today), 1);

        QByteArray expected = record;
        poke(expected, DataUscAt, DataUscSize, dataEnt);
        poke(expected, OraUscAt, OraUscSize, {});
        poke(expected, OperatoreUscAt, OperatoreUscSize, "Non registrata");
        const QByteArray written = FileBytes(yearFile(2026));
        QCOMPARE(written.mid(792, 792), expected);
        QCOMPARE(written.left(792), other);
        QCOMPARE(written.mid(2 * 792), other);
        QVERIFY(FindUnrecordedExits(Today).size() == 2);
    }

    // A card closed at another desk after the list was read is left as that desk wrote it.
    void closedMeanwhileIsSkipped()
    {
        WriteVisits(yearFile(2025), { visit(u"Anno"_s, u"20/12/2025"_s) });
        WriteVisits(yearFile(2026),
            { visit(u"Primo"_s, u"01/12/2026"_s), visit(u"Secondo"_s, u"02/12/2026"_s),
                visit(u"Terzo"_s, u"03/12/2026"_s) });
        const QList<UnrecordedExit> exits = FindUnrecordedExits(Today);
        QCOMPARE(exits.size(), 4);

        VisitFile file;
        file.open(yearFile(2026));
        TSchedaVisita byOther = file.readAt(2);
        byOther.DataUsc = u"02/12/2026"_s;
        byOther.OraUsc = u"18:00"_s;
        byOther.OperatoreUsc = u"Carla"_s;
        file.writeAt(2, byOther);
        file.close();
        const QByteArray otherDesk = FileBytes(yearFile(2026)).mid(792, 792);

        QStringList heard;
        const int written = CloseUnrecordedExits(exits, Today, [&](qsizetype index, ExitClosing outcome) {
            heard.append(QString::number(index) + (outcome == ExitClosing::Written ? u" written"_s : u" closed"_s));
        });
        QCOMPARE(written, 3);
        QCOMPARE(heard, (QStringList { u"0 written"_s, u"1 written"_s, u"2 closed"_s, u"3 written"_s }));
        QCOMPARE(FileBytes(yearFile(2026)).mid(792, 792), otherDesk);

        VisitFile reread;
        reread.open(yearFile(2026), VisitFile::Access::Read);
        QCOMPARE(reread.readAt(3).DataUsc, u"03/12/2026"_s);
        QCOMPARE(reread.readAt(3).OperatoreUsc, u"Non registrata"_s);
        QCOMPARE(reread.readAt(3).OraUsc, QString());
        reread.close();
        QVERIFY(FindUnrecordedExits(Today).isEmpty());
    }

    // A file that cannot be opened stops the work; what was written before it stays written.
    void failureKeepsWhatWasWritten()
    {
        WriteVisits(yearFile(2025), { visit(u"Anno"_s, u"20/12/2025"_s) });
        WriteVisits(yearFile(2026), { visit(u"Primo"_s, u"01/12/2026"_s) });
        const QList<UnrecordedExit> exits = FindUnrecordedExits(Today);
        QCOMPARE(exits.size(), 2);
        QVERIFY(QFile::remove(yearFile(2026)));
        QVERIFY(QDir(m_folder->path()).mkdir(u"2026.vis"_s));

        QList<qsizetype> heard;
        QVERIFY_THROWS_EXCEPTION(StorageError,
            CloseUnrecordedExits(exits, Today, [&](qsizetype index, ExitClosing) { heard.append(index); }));
        QCOMPARE(heard, QList<qsizetype> { 0 });
        VisitFile file;
        file.open(yearFile(2025), VisitFile::Access::Read);
        QCOMPARE(file.readAt(1).DataUsc, u"20/12/2025"_s);
        file.close();
    }
};

QTEST_MAIN(TestUnrecordedExits)
#include "TestUnrecordedExits.moc"
