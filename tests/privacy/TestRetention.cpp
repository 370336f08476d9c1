#include "DamagedFiles.h"
#include "TestHelpers.h"
#include "VisitCards.h"
#include "WriteFaults.h"

#include "base/WorkProgress.h"
#include "privacy/Retention.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "summaries/MonthlyCounts.h"

#include <QFile>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using F = VisitField;

Q_DECLARE_METATYPE(TSchedaVisita)

namespace {

const QDate Today(2026, 6, 15);
const QDate CutOff(2025, 6, 15); // twelve months

// A visitor with every field filled, accents included.
TSchedaVisita visitor(const QString &entered, const QString &left, const QString &surname = u"Bertolè"_s)
{
    return VisitCard({
        { F::DataEnt, entered },
        { F::OraEnt, u"08:05"_s },
        { F::OperatoreEnt, u"Portineria Nord"_s },
        { F::Cognome, surname },
        { F::Nome, u"Nicolò"_s },
        { F::CodFisc, u"BRTNCL80A01H501U"_s },
        { F::Motivo, u"Consegna merce"_s },
        { F::Tessera, u"T-042"_s },
        { F::TipoDoc, u"Carta d'identità"_s },
        { F::NumDoc, u"CA12345AB"_s },
        { F::EnteRil, u"Comune di Roma"_s },
        { F::TelCel, u"333 1234567"_s },
        { F::Note, u"Accompagnato da un collega; perché tarda, avvisare"_s },
        { F::DataUsc, left },
        { F::OraUsc, left.isEmpty() ? QString() : u"17:40"_s },
        { F::OperatoreUsc, left.isEmpty() ? QString() : u"Portineria Sud"_s },
    });
}

QByteArray imageOf(const QList<TSchedaVisita> &cards)
{
    QByteArray image;
    for (const TSchedaVisita &card : cards)
        image += card.toBytes();
    return image;
}

// A year of cards of which the ones at `due` (0-based) must be anonymised: the file as it is and as
// it must become.
struct Year
{
    QString path;
    QList<TSchedaVisita> cards;
    QList<int> due;

    QByteArray before() const { return imageOf(cards); }
    QByteArray after() const
    {
        QList<TSchedaVisita> expected = cards;
        for (const int i : due)
            expected[i] = AnonymisedVisit(expected[i]);
        return imageOf(expected);
    }
};

Year year2024(const TempProgramFolder &folder)
{
    return { folder.file(u"2024.vis"_s),
        { visitor(u"02/01/2024"_s, u"02/01/2024"_s), visitor(u"31/12/2024"_s, u""_s),
            visitor(u"31/12/2024"_s, u"01/01/2025"_s, u"Rossi"_s) },
        { 0, 2 } };
}

Year year2025(const TempProgramFolder &folder)
{
    return { folder.file(u"2025.vis"_s),
        { visitor(u"14/06/2025"_s, u"14/06/2025"_s), visitor(u"15/06/2025"_s, u"15/06/2025"_s),
            visitor(u"1/3/2025"_s, u"1/3/2025"_s), visitor(u"31/02/2025"_s, u"01/03/2025"_s),
            AnonymisedVisit(visitor(u"10/01/2025"_s, u"10/01/2025"_s)), visitor(u"20/06/2025"_s, u"20/06/2025"_s) },
        { 0, 2 } };
}

} // namespace

class TestRetention : public QObject
{
    Q_OBJECT

    std::optional<TempProgramFolder> m_folder;

private Q_SLOTS:
    void init() { m_folder.emplace(); }
    void cleanup() { m_folder.reset(); }

    void anonymisedCardKeepsOnlyWhatIsCounted()
    {
        const TSchedaVisita card = visitor(u"14/06/2025"_s, u"15/06/2025"_s);
        const TSchedaVisita expected = VisitCard({
            { F::DataEnt, u"14/06/2025"_s },
            { F::OraEnt, u"08:05"_s },
            { F::OperatoreEnt, u"Portineria Nord"_s },
            { F::Cognome, u"Anonimo"_s },
            { F::Motivo, u"Consegna merce"_s },
            { F::Tessera, u"T-042"_s },
            { F::DataUsc, u"15/06/2025"_s },
            { F::OraUsc, u"17:40"_s },
            { F::OperatoreUsc, u"Portineria Sud"_s },
        });
        QCOMPARE(AnonymisedVisit(card), expected);
        QVERIFY(IsAnonymisedVisit(expected));
        QVERIFY(!IsAnonymisedVisit(card));
        // "Anonimo" alone is no proof: a leftover of the person still counts.
        TSchedaVisita partly = expected;
        partly.TelCel = u"333 1234567"_s;
        QVERIFY(!IsAnonymisedVisit(partly));
        QCOMPARE(AnonymisedVisit(partly), expected);
    }

    void cutOff_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("cutOff");
        QTest::newRow("a year") << Today << 12 << CutOff;
        QTest::newRow("end of a longer month") << QDate(2026, 3, 31) << 1 << QDate(2026, 2, 28);
        QTest::newRow("into a leap day") << QDate(2028, 3, 29) << 1 << QDate(2028, 2, 29);
        QTest::newRow("across years") << QDate(2026, 2, 10) << 26 << QDate(2023, 12, 10);
    }

    void cutOff()
    {
        QFETCH(QDate, today);
        QFETCH(int, months);
        QFETCH(QDate, cutOff);
        QCOMPARE(RetentionCutOff(today, months), cutOff);
    }

    // One card among cards that stay: which are anonymised, which counted apart, and nothing else
    // of the file moves.
    void oneCard_data()
    {
        QTest::addColumn<TSchedaVisita>("card");
        QTest::addColumn<int>("due");
        QTest::addColumn<int>("unreadable");

        QTest::newRow("the day before the cut-off") << visitor(u"14/06/2025"_s, u"14/06/2025"_s) << 1 << 0;
        QTest::newRow("long before, out days later") << visitor(u"03/02/2025"_s, u"30/06/2025"_s) << 1 << 0;
        QTest::newRow("unpadded date before") << visitor(u"5/3/2025"_s, u"5/3/2025"_s) << 1 << 0;
        QTest::newRow("on the cut-off day") << visitor(u"15/06/2025"_s, u"15/06/2025"_s) << 0 << 0;
        QTest::newRow("after the cut-off") << visitor(u"16/06/2025"_s, u"16/06/2025"_s) << 0 << 0;
        QTest::newRow("still inside") << visitor(u"03/02/2025"_s, u""_s) << 0 << 0;
        QTest::newRow("still inside, no date") << visitor(u"ieri"_s, u""_s) << 0 << 0;
        QTest::newRow("no such day") << visitor(u"31/02/2025"_s, u"01/03/2025"_s) << 0 << 1;
        QTest::newRow("no entry date") << visitor(u""_s, u"01/03/2025"_s) << 0 << 1;
        QTest::newRow("words for a date") << visitor(u"ieri"_s, u"01/03/2025"_s) << 0 << 1;
        QTest::newRow("already anonymised") << AnonymisedVisit(visitor(u"03/02/2025"_s, u"03/02/2025"_s)) << 0 << 0;
        QTest::newRow("named Anonimo, with a phone")
            << visitor(u"03/02/2025"_s, u"03/02/2025"_s, u"Anonimo"_s) << 1 << 0;
    }

    void oneCard()
    {
        QFETCH(TSchedaVisita, card);
        QFETCH(int, due);
        QFETCH(int, unreadable);
        const TSchedaVisita before = visitor(u"01/01/2025"_s, u"01/01/2025"_s, u"Primo"_s);
        const TSchedaVisita after = visitor(u"20/06/2025"_s, u"20/06/2025"_s, u"Ultimo"_s);
        const QString path = m_folder->file(u"2025.vis"_s);
        WriteVisits(path, { before, card, after });

        const RetentionCount count = CountDueVisits(CutOff);
        QCOMPARE(count.due, 1 + due);
        QCOMPARE(count.unreadableDates, unreadable);
        QCOMPARE(AnonymiseDueVisits(CutOff), 1 + due);
        const QByteArray expected = imageOf({ AnonymisedVisit(before), due ? AnonymisedVisit(card) : card, after });
        QCOMPARE(FileBytes(path), expected);

        QCOMPARE(CountDueVisits(CutOff).due, 0);
        QCOMPARE(AnonymiseDueVisits(CutOff), 0);
        QCOMPARE(FileBytes(path), expected);
    }

    void everyYearFile()
    {
        const Year old = year2024(*m_folder);
        const Year recent = year2025(*m_folder);
        WriteVisits(old.path, old.cards);
        WriteVisits(recent.path, recent.cards);
        // Not year files: left alone whatever they hold.
        const QString notAYear = m_folder->file(u"12025.vis"_s);
        WriteVisits(notAYear, old.cards);
        const QString copy = m_folder->file(u"2024.vis.bak"_s);
        QVERIFY(QFile::copy(old.path, copy));

        const RetentionCount count = CountDueVisits(CutOff);
        QCOMPARE(count.due, 4);
        QCOMPARE(count.unreadableDates, 1);
        QCOMPARE(AnonymiseDueVisits(CutOff), count.due);
        QCOMPARE(FileBytes(old.path), old.after());
        QCOMPARE(FileBytes(recent.path), recent.after());
        QCOMPARE(FileBytes(notAYear), old.before());
        QCOMPARE(FileBytes(copy), old.before());

        QCOMPARE(AnonymiseDueVisits(CutOff), 0);
        QCOMPARE(FileBytes(old.path), old.after());
        QCOMPARE(FileBytes(recent.path), recent.after());
    }

    void noYearFiles()
    {
        QCOMPARE(CountDueVisits(CutOff).due, 0);
        QCOMPARE(AnonymiseDueVisits(CutOff), 0);
    }

    // Bytes a foreign or older writer left past a field's length are the person's too.
    void nothingLeftInUnusedRoom()
    {
        const TSchedaVisita card = visitor(u"03/02/2025"_s, u"03/02/2025"_s, u"Ros"_s);
        QByteArray record = card.toBytes();
        const int surname = TSchedaVisita::layout().offset(int(F::Cognome));
        record.replace(surname + 1, 7, "Rossini");
        const QString path = m_folder->file(u"2025.vis"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(record), record.size());
        file.close();

        QCOMPARE(AnonymiseDueVisits(CutOff), 1);
        const QByteArray after = FileBytes(path);
        QCOMPARE(after, AnonymisedVisit(card).toBytes());
        QVERIFY(!after.contains("ssini"));
    }

    // The monthly chart and the summaries count by entry date and reason, which stay.
    void monthlyCountsUnchanged()
    {
        const QString path = m_folder->file(u"2025.vis"_s);
        QList<TSchedaVisita> cards;
        for (int month = 1; month <= 12; ++month) {
            for (int n = 0; n < month % 4 + 1; ++n)
                cards.append(visitor(u"%1/%2/2025"_s.arg(n + 3).arg(month), n == 2 ? QString() : u"x"_s));
        }
        cards.append(visitor(u"31/02/2025"_s, u"x"_s));
        WriteVisits(path, cards);
        const MonthlyCounts before = CountVisitsPerMonth(path, 2025);

        QVERIFY(AnonymiseDueVisits(CutOff) > 10);
        QVERIFY(FileBytes(path) != imageOf(cards));
        QCOMPARE(CountVisitsPerMonth(path, 2025), before);
    }

    // A year that cannot be read stops the work there and is named; the years before it are done.
    void unreadableYear_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("folder") << u"folder in place of the file"_s;
        QTest::newRow("unopenable") << u"file that cannot be opened"_s;
    }

    void unreadableYear()
    {
        QFETCH(QString, damage);
        const Year old = year2024(*m_folder);
        const Year later { m_folder->file(u"2026.vis"_s), { visitor(u"02/01/2025"_s, u"03/01/2025"_s) }, { 0 } };
        WriteVisits(old.path, old.cards);
        WriteVisits(later.path, later.cards);
        DamagedFileNamed(damage).make(m_folder->file(u"2025.vis"_s), TSchedaVisita::RecordSize);

        for (const bool anonymise : { false, true }) {
            try {
                if (anonymise)
                    AnonymiseDueVisits(CutOff);
                else
                    CountDueVisits(CutOff);
                QFAIL("an unreadable year went unnoticed");
            } catch (const StorageError &error) {
                QCOMPARE(error.file(), u"2025.vis"_s);
                QVERIFY2(QString::fromStdString(error.what()).contains(u"2025.vis"_s), error.what());
            }
            QCOMPARE(FileBytes(old.path), anonymise ? old.after() : old.before());
            QCOMPARE(FileBytes(later.path), later.before());
        }
    }

    // A write or close failing anywhere: every card is whole, as it was or anonymised, years are
    // done in order, the failing one is named, and the next run finishes the work.
    void failingDisk()
    {
        if (!WriteFaults::available())
            QSKIP("the C library cannot be interposed here");
        const Year old = year2024(*m_folder);
        const Year recent = year2025(*m_folder);
        std::optional<StorageError> failure;
        int done = 0;
        const auto prepare = [&] {
            QFile::remove(old.path);
            QFile::remove(recent.path);
            WriteVisits(old.path, old.cards);
            WriteVisits(recent.path, recent.cards);
            failure.reset();
            done = 0;
        };
        const auto attempt = [&] {
            try {
                done = AnonymiseDueVisits(CutOff);
            } catch (const StorageError &error) {
                failure.emplace(error);
            }
        };
        const auto cardsDone = [](const Year &year, const QByteArray &bytes) {
            int count = 0;
            for (int i = 0; i < year.cards.size(); ++i) {
                const QByteArray stored = bytes.mid(i * TSchedaVisita::RecordSize, TSchedaVisita::RecordSize);
                const QByteArray original = year.cards.at(i).toBytes();
                if (stored == original)
                    continue;
                if (!year.due.contains(i) || stored != AnonymisedVisit(year.cards.at(i)).toBytes())
                    return -1;
                ++count;
            }
            return count;
        };
        const auto check = [&](const FaultRun &run) {
            const QString at = u"fault at %1 (%2)"_s.arg(run.point).arg(run.operation);
            const QByteArray oldBytes = FileBytes(old.path);
            const QByteArray recentBytes = FileBytes(recent.path);
            QCOMPARE(oldBytes.size(), old.before().size());
            QCOMPARE(recentBytes.size(), recent.before().size());
            const int oldDone = cardsDone(old, oldBytes);
            const int recentDone = cardsDone(recent, recentBytes);
            QVERIFY2(oldDone >= 0 && recentDone >= 0, qPrintable(at + u": a card is neither kept nor anonymised"_s));
            QVERIFY2(recentDone == 0 || oldDone == old.due.size(), qPrintable(at + u": years out of order"_s));
            if (!run.struck) {
                QVERIFY(!failure);
                QCOMPARE(done, 4);
                QCOMPARE(oldBytes, old.after());
                QCOMPARE(recentBytes, recent.after());
                return;
            }
            QVERIFY2(failure, qPrintable(at + u": the failure went unnoticed"_s));
            QVERIFY2(failure->file() == u"2024.vis"_s || failure->file() == u"2025.vis"_s, failure->what());
            if (failure->file() == u"2024.vis"_s)
                QVERIFY2(recentDone == 0, qPrintable(at + u": went on after a failing year"_s));
            QCOMPARE(AnonymiseDueVisits(CutOff), old.due.size() - oldDone + recent.due.size() - recentDone);
            QCOMPARE(FileBytes(old.path), old.after());
            QCOMPARE(FileBytes(recent.path), recent.after());
        };
        QVERIFY(StrikeEveryStep(m_folder->path(), prepare, attempt, check) > 0);
    }

    void reportsProgressAndStopsWhenCancelled()
    {
        const Year old = year2024(*m_folder);
        const Year recent = year2025(*m_folder);
        WriteVisits(old.path, old.cards);
        WriteVisits(recent.path, recent.cards);
        const qint64 fileBytes = old.before().size() + recent.before().size();

        WorkProgress progress;
        {
            const WorkProgress::Scope scope(progress);
            QCOMPARE(CountDueVisits(CutOff).due, 4);
        }
        QCOMPARE(progress.total(), fileBytes);
        QCOMPARE(progress.done(), fileBytes);

        progress.reset();
        progress.cancel();
        {
            const WorkProgress::Scope scope(progress);
            QVERIFY_THROWS_EXCEPTION(WorkCancelled, AnonymiseDueVisits(CutOff));
        }
        QCOMPARE(FileBytes(old.path), old.before());
        QCOMPARE(FileBytes(recent.path), recent.before());
    }
};

QTEST_GUILESS_MAIN(TestRetention)
#include "TestRetention.moc"
