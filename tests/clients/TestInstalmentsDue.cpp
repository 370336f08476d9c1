#include "ClientCards.h"
#include "TestHelpers.h"

#include "clients/InstalmentsDue.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using F = ClientField;

TSchedaAnagrafica due(const QString &cognome, const QString &scadenza, const QString &preavviso)
{
    return ClientRecord(
        { { F::Cognome, cognome }, { F::Nome, u"Anna"_s }, { F::Recapito, u"0382 123456"_s }, { F::Scadenza, scadenza },
            { F::Preavviso, preavviso }, { F::Rata, u"100,00"_s }, { F::Acquisto, u"Cucina"_s } });
}

} // namespace

class TestInstalmentsDue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixed(QDateTime(QDate(2024, 5, 10), QTime(9, 0))); }
    void cleanup() { Clock::reset(); }

    // Seen on 10/05/2024.
    void selection_data()
    {
        QTest::addColumn<QString>("scadenza");
        QTest::addColumn<QString>("preavviso");
        QTest::addColumn<bool>("listed");

        QTest::newRow("notice period starts today") << u"20/05/2024"_s << u"10"_s << true;
        QTest::newRow("notice period starts tomorrow") << u"20/05/2024"_s << u"9"_s << false;
        QTest::newRow("overdue") << u"01/01/2024"_s << u"0"_s << true;
        QTest::newRow("notice longer than the days left") << u"30/05/2024"_s << u"100"_s << true;
        QTest::newRow("due today") << u"10/05/2024"_s << u"0"_s << true;
        QTest::newRow("due tomorrow") << u"11/05/2024"_s << u"0"_s << false;
        // As text 01/06/2024 sorts before 10/05/2024: the dates are compared as dates.
        QTest::newRow("next month, earlier as text") << u"01/06/2024"_s << u"0"_s << false;
        QTest::newRow("across the year") << u"05/01/2025"_s << u"240"_s << true;
        QTest::newRow("across the year, a day short") << u"05/01/2025"_s << u"239"_s << false;
        QTest::newRow("last year") << u"10/05/2023"_s << u"0"_s << true;
        QTest::newRow("two-digit year") << u"20/5/24"_s << u"10"_s << true;
        QTest::newRow("a sign on the notice") << u"20/05/2024"_s << u"+10"_s << true;
        QTest::newRow("date not valid") << u"31/02/2024"_s << u"0"_s << false;
        QTest::newRow("date empty") << QString() << u"0"_s << false;
        QTest::newRow("notice empty") << u"01/01/2024"_s << QString() << false;
        QTest::newRow("notice not a number") << u"01/01/2024"_s << u"1O"_s << false;
    }
    void selection()
    {
        QFETCH(QString, scadenza);
        QFETCH(QString, preavviso);
        QFETCH(bool, listed);

        TempProgramFolder folder;
        AppendClients({ due(u"Rossi"_s, scadenza, preavviso) });
        const ListedLines read = ReadInstalmentsDue(Clock::today());
        QVERIFY(read.complete);
        QCOMPARE(read.positions, listed ? QList<int> { 1 } : QList<int> {});
    }

    // An overdue card is listed only with an instalment plan: a total or an instalment worth something.
    void onlyCardsWithAPlan_data()
    {
        QTest::addColumn<QString>("totale");
        QTest::addColumn<QString>("rata");
        QTest::addColumn<bool>("listed");

        QTest::newRow("the editor's defaults") << u"0,00"_s << u"0,00"_s << false;
        QTest::newRow("both blank") << QString() << u"  "_s << false;
        QTest::newRow("zero in other forms") << u" 0 "_s << u"-0,0000"_s << false;
        QTest::newRow("zero total, blank instalment") << u"0,00"_s << QString() << false;
        QTest::newRow("instalment only") << u"0,00"_s << u"125,50"_s << true;
        QTest::newRow("total only") << u"1500,00"_s << u"0,00"_s << true;
        QTest::newRow("a cent") << QString() << u"0,01"_s << true;
        // What the program cannot read as a number is not taken for nothing.
        QTest::newRow("amount with a thousands dot") << u"1.234,50"_s << u"0,00"_s << true;
        QTest::newRow("words") << u"da definire"_s << QString() << true;
    }
    void onlyCardsWithAPlan()
    {
        QFETCH(QString, totale);
        QFETCH(QString, rata);
        QFETCH(bool, listed);

        TempProgramFolder folder;
        TSchedaAnagrafica card = due(u"Rossi"_s, u"01/05/2024"_s, u"0"_s);
        card.Totale = totale;
        card.Rata = rata;
        AppendClients({ due(u"Primo"_s, u"01/05/2024"_s, u"0"_s), card });
        const ListedLines read = ReadInstalmentsDue(Clock::today());
        QVERIFY(read.complete);
        QCOMPARE(read.positions, listed ? (QList<int> { 1, 2 }) : QList<int> { 1 });
    }

    void unreadableCardsAreSkipped()
    {
        TempProgramFolder folder;
        AppendClients({ due(u"Primo"_s, u"non è una data"_s, u"0"_s), due(u"Secondo"_s, u"01/05/2024"_s, u"0"_s),
            due(u"Terzo"_s, u"01/05/2024"_s, u"tre"_s), due(u"Quarto"_s, u"31/12/2024"_s, u"0"_s),
            due(u"Quinto"_s, u"12/05/2024"_s, u"2"_s) });
        const ListedLines read = ReadInstalmentsDue(Clock::today());
        QVERIFY(read.complete);
        QCOMPARE(read.positions, (QList<int> { 2, 5 }));
    }

    void missingRegistryIsCreatedEmpty()
    {
        TempProgramFolder folder;
        const ListedLines read = ReadInstalmentsDue(Clock::today());
        QVERIFY(read.complete);
        QVERIFY(read.lines.isEmpty());
        QVERIFY(QFile::exists(folder.file(u"Visitatori.pro"_s)));
        QCOMPARE(QFileInfo(folder.file(u"Visitatori.pro"_s)).size(), 0);
    }

    void unreadableRegistryEndsSilently()
    {
        TempProgramFolder folder;
        QVERIFY(QDir().mkdir(folder.file(u"Visitatori.pro"_s)));
        const ListedLines read = ReadInstalmentsDue(Clock::today());
        QVERIFY(!read.complete);
        QVERIFY(read.lines.isEmpty());
    }

    void lines_data()
    {
        QTest::addColumn<TSchedaAnagrafica>("card");
        QTest::addColumn<QString>("line");

        QTest::newRow("amount padded to 15")
            << ClientRecord({ { F::Cognome, u"Rossi"_s }, { F::Nome, u"Mario"_s }, { F::Recapito, u"0382 123456"_s },
                   { F::Scadenza, u"20/05/2024"_s }, { F::Rata, u"1.234,50"_s }, { F::Acquisto, u"Cucina"_s } })
            << u"Rossi Mario                     Tel. 0382 123456   Scad. 20/05/2024  Rata: € 1.234,50       "
               u"  Acquisto: Cucina"_s;
        QTest::newRow("long name, contact and amount cut")
            << ClientRecord({ { F::Cognome, u"Abcdefghijklmnopqrstuvwxyz"_s }, { F::Nome, u"Mario"_s },
                   { F::Recapito, u"+39 0382 1234567"_s }, { F::Scadenza, u" 1/5/24 "_s },
                   { F::Rata, u"12345678901234567890"_s }, { F::Acquisto, u" Cucina componibile "_s } })
            << u"Abcdefghijklmnopqrstuvwxyz Mar  Tel. +39 0382 123  Scad. 1/5/24      Rata: € 123456789012345"
               u"  Acquisto: Cucina componibile"_s;
        QTest::newRow("empty fields") << ClientRecord({})
                                      << u"                                Tel.               Scad.           "
                                         u"  Rata: €                  Acquisto: "_s;
    }
    void lines()
    {
        QFETCH(TSchedaAnagrafica, card);
        QFETCH(QString, line);
        QCOMPARE(InstalmentDueLine(card), line);
    }
};

QTEST_MAIN(TestInstalmentsDue)
#include "TestInstalmentsDue.moc"
