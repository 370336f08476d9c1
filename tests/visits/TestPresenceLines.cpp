#include "VisitCards.h"

#include "base/Clock.h"
#include "base/FindInList.h"
#include "base/ListText.h"
#include "storage/TSchedaVisita.h"
#include "visits/PresenceLines.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PresenceKind)

namespace {

// Cognome, Nome, TelCel, DataEnt, OraEnt, DataUsc, OraUsc, Motivo.
TSchedaVisita card(const QStringList &f)
{
    using F = VisitField;
    return VisitCard({ { F::Cognome, f.value(0) }, { F::Nome, f.value(1) }, { F::TelCel, f.value(2) },
        { F::DataEnt, f.value(3) }, { F::OraEnt, f.value(4) }, { F::DataUsc, f.value(5) }, { F::OraUsc, f.value(6) },
        { F::Motivo, f.value(7) } });
}

} // namespace

class TestPresenceLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0))); }
    void cleanup() { Clock::reset(); }

    void lines_data()
    {
        QTest::addColumn<PresenceKind>("kind");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("expected");

        QTest::newRow("not out") << PresenceKind::NonUsciti
                                 << QStringList { u"Rossi"_s, u"Mario"_s, u"3331234567"_s, u"05/03/2024"_s, u"09:15"_s,
                                        {}, {}, u"Consegna merci"_s }
                                 << u"Rossi Mario                     Cel. 3331234567  "
                                    u"  Entrata: 05/03/2024  Ora: 09:15  Motivo: Consegna merci"_s;
        QTest::newRow("empty surname keeps the blank")
            << PresenceKind::NonUsciti << QStringList { {}, u"Mario"_s, {}, u"05/03/2024"_s, u"9:5"_s, {}, {}, {} }
            << u" Mario                          Cel.               Entrata: 05/03/2024  Ora: 9:5    Motivo: "_s;
        QTest::newRow("long surname, long mobile, reason uncut")
            << PresenceKind::NonUsciti
            << QStringList { u"Abcdefghijklmnopqrstuvwxyzabc"_s, u"Mario"_s, u"+39 333 1234567890"_s, u"05/03/2024"_s,
                   u"09:15"_s, {}, {}, QString(50, u'x') }
            << u"Abcdefghijklmnopqrstuvwxyzabc   Cel. +39 333 1234  Entrata: 05/03/2024  Ora: 09:15  Motivo: "_s
                + QString(50, u'x');
        QTest::newRow("fields used trimmed") << PresenceKind::NonUsciti
                                             << QStringList { u"  Rossi "_s, u"\tMario "_s, u" 3331234567 "_s,
                                                    u" 05/03/2024"_s, u"09:15 "_s, {}, {}, u"  Consegna merci  "_s }
                                             << u"Rossi Mario                     Cel. 3331234567  "
                                                u"  Entrata: 05/03/2024  Ora: 09:15  Motivo: Consegna merci"_s;
        QTest::newRow("entered today") << PresenceKind::EntratiOggi
                                       << QStringList { u"Bianchi"_s, u"Anna"_s, u"333"_s, u"05/03/2024"_s, u"08:00"_s,
                                              {}, {}, u"Riunione"_s }
                                       << u"Bianchi Anna                    Cel. 333         "
                                          u"  Ora entrata: 08:00  Uscita:             Ora:        Riunione"_s;
        QTest::newRow("exited today")
            << PresenceKind::UscitiOggi
            << QStringList { u"Verdi"_s, u"Luca"_s, u"0612345"_s, u"04/03/2024"_s, u"08:30"_s, u"05/03/2024"_s,
                   u"17:45"_s, u"Manutenzione impianto"_s }
            << u"Verdi Luca                      Cel. 0612345     "
               u"  Ora uscita: 17:45  Entrata: 04/03/2024  Ora: 08:30  Manutenzione impianto"_s;
    }
    void lines()
    {
        QFETCH(PresenceKind, kind);
        QFETCH(QStringList, fields);
        QFETCH(QString, expected);
        const TSchedaVisita c = card(fields);
        QCOMPARE(PresenceLine(kind, c), expected);
        // The line read from the stored record is the same line: the double-click depends on it.
        const QByteArray bytes = c.toBytes();
        QCOMPARE(PresenceLine(kind, RecordView<TSchedaVisita>(bytes.constData())), expected);
    }

    void searchLines_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("expected");

        QTest::newRow("every column") << QStringList { u"Rossi"_s, u"Mario"_s, u"3331234567"_s, u"05/03/2024"_s,
            u"09:15"_s, u"05/03/2024"_s, u"11:40"_s, u"Consegna merci"_s }
                                      << u"Rossi Mario                   Cel. 3331234567    Entrata: 05/03/2024"
                                         u"  Ora: 09:15  Uscita: 05/03/2024  Ora: 11:40  Consegna merci"_s;
        // De Santis Maria Antonietta G: the name column holds 28 characters, not 30.
        QTest::newRow("long name cut at 28, still inside")
            << QStringList { u"De Santis"_s, u"Maria Antonietta Giovanna"_s, {}, u"5/3/2024"_s, u"9:05"_s, {}, {}, {} }
            << u"De Santis Maria Antonietta G  Cel.               Entrata: 5/3/2024    Ora: 9:05   Uscita:    "
               u"         Ora:        "_s;
    }
    void searchLines()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, expected);
        const TSchedaVisita c = card(fields);
        QCOMPARE(VisitSearchLine(c), expected);
        const QByteArray bytes = c.toBytes();
        QCOMPARE(VisitSearchLine(RecordView<TSchedaVisita>(bytes.constData())), expected);
    }

    void selection_data()
    {
        QTest::addColumn<PresenceKind>("kind");
        QTest::addColumn<QByteArray>("dataEnt"); // stored bytes, untrimmed
        QTest::addColumn<QByteArray>("dataUsc");
        QTest::addColumn<bool>("listed");

        QTest::newRow("not out: no exit") << PresenceKind::NonUsciti << "01/03/2024"_ba
                                          << ""_ba << true;
        QTest::newRow("not out: blanks only") << PresenceKind::NonUsciti << "01/03/2024"_ba
                                              << "   "_ba << true;
        QTest::newRow("not out: exited") << PresenceKind::NonUsciti << "01/03/2024"_ba
                                         << "02/03/2024"_ba << false;
        QTest::newRow("entered: today") << PresenceKind::EntratiOggi << "05/03/2024"_ba
                                        << ""_ba << true;
        QTest::newRow("entered: other form") << PresenceKind::EntratiOggi << "5/3/2024"_ba
                                             << ""_ba << false;
        QTest::newRow("entered: yesterday") << PresenceKind::EntratiOggi << "04/03/2024"_ba
                                            << "05/03/2024"_ba << false;
        QTest::newRow("entered: other year") << PresenceKind::EntratiOggi << "05/03/2023"_ba
                                             << ""_ba << false;
        QTest::newRow("exited: today") << PresenceKind::UscitiOggi << "04/03/2024"_ba
                                       << "05/03/2024"_ba << true;
        QTest::newRow("exited: not yet") << PresenceKind::UscitiOggi << "05/03/2024"_ba
                                         << ""_ba << false;
        QTest::newRow("exited: yesterday") << PresenceKind::UscitiOggi << "03/03/2024"_ba
                                           << "04/03/2024"_ba << false;
    }
    void selection()
    {
        QFETCH(PresenceKind, kind);
        QFETCH(QByteArray, dataEnt);
        QFETCH(QByteArray, dataUsc);
        QFETCH(bool, listed);

        // Raw bytes, so that a stored field holding blanks is seen as a foreign writer left it.
        QByteArray bytes = card({ u"Rossi"_s, u"Mario"_s }).toBytes();
        const auto put = [&bytes](int at, const QByteArray &value) {
            bytes[at] = char(value.size());
            bytes.replace(at + 1, value.size(), value);
        };
        put(0, dataEnt); // DataEnt
        put(724, dataUsc); // DataUsc

        QCOMPARE(PresenceToday(), u"05/03/2024"_s);
        QCOMPARE(IsPresenceListed(kind, RecordView<TSchedaVisita>(bytes.constData()), PresenceToday()), listed);
        QCOMPARE(IsPresenceListed(kind, TSchedaVisita::fromBytes(bytes), PresenceToday()), listed);
    }

    void titles()
    {
        QCOMPARE(PresenceReportTitle(PresenceKind::NonUsciti, PresenceToday()), u"Visitatori non ancora usciti"_s);
        QCOMPARE(PresenceReportTitle(PresenceKind::EntratiOggi, PresenceToday()),
            u"Visitatori entrati in data 05/03/2024"_s);
        QCOMPARE(
            PresenceReportTitle(PresenceKind::UscitiOggi, PresenceToday()), u"Visitatori usciti in data 05/03/2024"_s);
    }

    void sorting_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("case of A-Z ignored") << QStringList { u"bianchi"_s, u"CARLO"_s, u"Alfa"_s }
                                             << QStringList { u"Alfa"_s, u"bianchi"_s, u"CARLO"_s };
        QTest::newRow("accented letters by code") << QStringList { u"Èrica"_s, u"zeta"_s, u"erica"_s, u"àlfa"_s }
                                                  << QStringList { u"erica"_s, u"zeta"_s, u"Èrica"_s, u"àlfa"_s };
        QTest::newRow("empty surname first")
            << QStringList { u"Anna"_s, u" Mario"_s, u"anna"_s } << QStringList { u" Mario"_s, u"Anna"_s, u"anna"_s };
        QTest::newRow("whole text, shorter first") << QStringList { u"Rossi Mario"_s, u"ROSSI"_s, u"Rossi  Luca"_s }
                                                   << QStringList { u"ROSSI"_s, u"Rossi  Luca"_s, u"Rossi Mario"_s };
        QTest::newRow("equal lines keep file order")
            << QStringList { u"rossi"_s, u"ROSSI"_s, u"Rossi"_s } << QStringList { u"rossi"_s, u"ROSSI"_s, u"Rossi"_s };
        QTest::newRow("digits before letters")
            << QStringList { u"b2"_s, u"B10"_s, u"a"_s } << QStringList { u"a"_s, u"B10"_s, u"b2"_s };
    }
    void sorting()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        const QStringList given = lines;
        SortListLines(lines);
        QCOMPARE(lines, expected);

        // Tagged the same way, each tag (here the line's given index) stays with its own line.
        QStringList tagged = given;
        QList<int> tags;
        for (int i = 0; i < given.size(); ++i)
            tags.append(i);
        SortListLines(tagged, tags);
        QCOMPARE(tagged, expected);
        for (qsizetype i = 0; i < tagged.size(); ++i)
            QCOMPARE(given.at(tags.at(i)), tagged.at(i));
    }

    void find_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("selected"); // before the first press
        QTest::addColumn<QStringList>("keys"); // one press each
        QTest::addColumn<QList<int>>("rows"); // selected after each press; negative: not found there

        const QStringList names { u"Rossi Mario"_s, u"Bianchi Anna"_s, u"De Rossi Luca"_s, u"Verdi"_s };
        QTest::newRow("new search from the top, again wraps")
            << names << 3 << QStringList { u"rossi"_s, u"rossi"_s, u"rossi"_s } << QList<int> { 0, 2, 0 };
        QTest::newRow("capitals count as again")
            << names << -1 << QStringList { u"rossi"_s, u"ROSSI"_s } << QList<int> { 0, 2 };
        QTest::newRow("another key starts from the top again")
            << names << -1 << QStringList { u"rossi"_s, u"rossi"_s, u"anna"_s, u"rossi"_s }
            << QList<int> { 0, 2, 1, 0 };
        QTest::newRow("match anywhere, case of both sides ignored")
            << names << -1 << QStringList { u"I LU"_s } << QList<int> { 2 };
        QTest::newRow("not found keeps the selection") << names << 1 << QStringList { u"neri"_s } << QList<int> { -1 };
        QTest::newRow("not found selects item 0 when none was")
            << names << -1 << QStringList { u"neri"_s } << QList<int> { -100 };
        QTest::newRow("only match stays")
            << names << -1 << QStringList { u"verdi"_s, u"verdi"_s } << QList<int> { 3, 3 };
        QTest::newRow("empty key matches nothing") << names << 2 << QStringList { QString() } << QList<int> { -2 };
        QTest::newRow("accented letters as they are") << QStringList { u"CAFFÈ"_s, u"caffè"_s } << -1
                                                      << QStringList { u"caffÈ"_s, u"CAFFè"_s } << QList<int> { 0, 1 };
    }
    void find()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, selected);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, rows);

        FindInList finder;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const FindInList::Result result = finder.find(lines, selected, keys.at(i));
            const int expected = rows.at(i);
            if (expected >= 0) {
                QCOMPARE(result.outcome, FindInList::Outcome::Found);
                QCOMPARE(result.row, expected);
            } else {
                QCOMPARE(result.outcome, FindInList::Outcome::NotFound);
                QCOMPARE(result.row, expected == -100 ? 0 : -expected);
            }
            selected = result.row;
        }
    }

    void findOnEmptyList()
    {
        FindInList finder;
        QCOMPARE(finder.find({ u"Rossi"_s }, -1, u"ROSSI"_s).row, 0);
        const FindInList::Result result = finder.find({}, -1, u"bianchi"_s);
        QCOMPARE(result.outcome, FindInList::Outcome::EmptyList);
        QCOMPARE(result.row, -1);
        // The key of a refused search is not kept: "rossi" again moves on from the selected line.
        QCOMPARE(finder.find({ u"Rossi"_s, u"De Rossi"_s }, 0, u"rossi"_s).row, 1);
        QCOMPARE(FindInList::emptyListMessage(), u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
    }

    void sameLine()
    {
        QVERIFY(SameListLine(u"Rossi Mario  Cel. 333  "_s, u"  Rossi Mario  Cel. 333"_s));
        QVERIFY(!SameListLine(u"Rossi Mario  Cel. 333"_s, u"rossi Mario  Cel. 333"_s));
        QVERIFY(!SameListLine(u"Rossi Mario  Cel. 333"_s, u"Rossi Mario Cel. 333"_s));
    }
};

QTEST_GUILESS_MAIN(TestPresenceLines)
#include "TestPresenceLines.moc"
