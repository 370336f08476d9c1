#include "SummaryYear.h"
#include "TestHelpers.h"

#include "base/Clock.h"
#include "storage/StorageError.h"
#include "summaries/MonthlyCounts.h"
#include "summaries/SummaryCriteria.h"
#include "summaries/VisitSummary.h"
#include "visits/PresenceLines.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CriteriaBox)

namespace {

void writeCards(const QString &path, const QStringList &entryDates)
{
    VisitFile file;
    file.open(path);
    for (const QString &date : entryDates)
        file.append(VisitCard({ { VisitField::DataEnt, date }, { VisitField::Cognome, u"Bianchi"_s } }));
    file.close();
}

} // namespace

// The window-free rules of the summaries and of the monthly statistics.
class TestSummaryRules : public QObject
{
    Q_OBJECT

private:
    std::optional<TempProgramFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(10, 0)));
    }
    void cleanup()
    {
        Clock::reset();
        m_folder.reset();
    }

    void criteria_data()
    {
        QTest::addColumn<QStringList>("typed"); // year, start day, start month, end day, end month
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("warning");
        QTest::addColumn<CriteriaBox>("focus");
        QTest::addColumn<QString>("dataInizio");
        QTest::addColumn<QString>("dataFine");

        const QString fourDigits = u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s;
        const QString validDate
            = u"\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida."_s;
        auto missing = [](const QString &what) {
            return u"Attenzione: indicare il "_s + what + u" intervallo selezionandolo dall'elenco a cascata."_s;
        };
        using B = CriteriaBox;
        QTest::newRow("two-digit year") << QStringList { u"24"_s, u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s }
                                        << fourDigits << true << B::Anno << QString() << QString();
        QTest::newRow("empty year") << QStringList { QString(), u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s } << fourDigits
                                    << true << B::Anno << QString() << QString();
        QTest::newRow("letters pasted in the year")
            << QStringList { u"20a4"_s, u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s } << fourDigits << true << B::Anno
            << QString() << QString();
        QTest::newRow("blanks around two digits") << QStringList { u" 24 "_s, u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s }
                                                  << fourDigits << true << B::Anno << QString() << QString();
        QTest::newRow("no start day") << QStringList { u"2024"_s, QString(), u"Marzo"_s, u"31"_s, u"Marzo"_s }
                                      << missing(u"giorno di inizio"_s) << true << B::GiornoInizio << QString()
                                      << QString();
        QTest::newRow("no start month") << QStringList { u"2024"_s, u"01"_s, u" "_s, QString(), QString() }
                                        << missing(u"mese di inizio"_s) << true << B::MeseInizio << QString()
                                        << QString();
        QTest::newRow("no end day") << QStringList { u"2024"_s, u"01"_s, u"Marzo"_s, QString(), QString() }
                                    << missing(u"giorno di fine"_s) << true << B::GiornoFine << QString() << QString();
        QTest::newRow("no end month") << QStringList { u"2024"_s, u"01"_s, u"Marzo"_s, u"31"_s, QString() }
                                      << missing(u"mese di fine"_s) << true << B::MeseFine << QString() << QString();
        QTest::newRow("29 February 2023")
            << QStringList { u"2023"_s, u"29"_s, u"Febbraio"_s, u"01"_s, u"Marzo"_s }
            << u"Attenzione: la data 29/02/2023 di inizio intervallo non esiste."_s + validDate << false
            << B::GiornoInizio << u"29/02/2023"_s << QString();
        QTest::newRow("29 February 2024") << QStringList { u"2024"_s, u"29"_s, u"Febbraio"_s, u"01"_s, u"Marzo"_s }
                                          << QString() << false << B::None << u"29/02/2024"_s << u"01/03/2024"_s;
        QTest::newRow("31 April at the end")
            << QStringList { u"2024"_s, u"01"_s, u"Aprile"_s, u"31"_s, u"Aprile"_s }
            << u"Attenzione: la data 31/04/2024 di fine intervallo non esiste."_s + validDate << false << B::GiornoFine
            << u"01/04/2024"_s << u"31/04/2024"_s;
        QTest::newRow("end before start")
            << QStringList { u"2024"_s, u"15"_s, u"Marzo"_s, u"14"_s, u"Marzo"_s }
            << u"Attenzione: la data di fine intervallo (14/03/2024) non può essere anteriore a quella di inizio "
               u"intervallo (15/03/2024).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
               u"intervallo di tempo valido."_s
            << false << B::None << u"15/03/2024"_s << u"14/03/2024"_s;
        QTest::newRow("end in an earlier month")
            << QStringList { u"2024"_s, u"01"_s, u"Dicembre"_s, u"31"_s, u"Gennaio"_s }
            << u"Attenzione: la data di fine intervallo (31/01/2024) non può essere anteriore a quella di inizio "
               u"intervallo (01/12/2024).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
               u"intervallo di tempo valido."_s
            << false << B::None << u"01/12/2024"_s << u"31/01/2024"_s;
        QTest::newRow("one day") << QStringList { u"2024"_s, u"05"_s, u"Marzo"_s, u"05"_s, u"Marzo"_s } << QString()
                                 << false << B::None << u"05/03/2024"_s << u"05/03/2024"_s;
        QTest::newRow("whole year") << QStringList { u"1999"_s, u"01"_s, u"Gennaio"_s, u"31"_s, u"Dicembre"_s }
                                    << QString() << false << B::None << u"01/01/1999"_s << u"31/12/1999"_s;
    }
    void criteria()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(bool, warning);
        QFETCH(CriteriaBox, focus);
        QFETCH(QString, dataInizio);
        QFETCH(QString, dataFine);

        const CriteriaCheck check = CheckSummaryCriteria({ typed[0], typed[1], typed[2], typed[3], typed[4] });
        QCOMPARE(check.accepted, message.isEmpty());
        QCOMPARE(check.message, message);
        if (!message.isEmpty())
            QCOMPARE(check.warning, warning);
        QCOMPARE(check.focus, focus);
        QCOMPARE(check.dataInizio, dataInizio);
        QCOMPARE(check.dataFine, dataFine);
    }

    void listItemsAndWhatTheyKeep()
    {
        QCOMPARE(SummaryDayItems().size(), 31);
        QCOMPARE(SummaryDayItems().first(), u"01"_s);
        QCOMPARE(SummaryDayItems().last(), u"31"_s);
        QCOMPARE(SummaryMonthItems(),
            QStringList({ u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s, u"Maggio"_s, u"Giugno"_s, u"Luglio"_s,
                u"Agosto"_s, u"Settembre"_s, u"Ottobre"_s, u"Novembre"_s, u"Dicembre"_s }));

        QCOMPARE(KeptDayText(u"07"_s), u"07"_s);
        QCOMPARE(KeptDayText(u" 31 "_s), u" 31 "_s);
        QCOMPARE(KeptDayText(u"7"_s), QString());
        QCOMPARE(KeptDayText(u"32"_s), QString());
        QCOMPARE(KeptDayText(u"00"_s), QString());
        QCOMPARE(KeptMonthText(u"MARZO"_s), u"MARZO"_s);
        QCOMPARE(KeptMonthText(u"dicembre "_s), u"dicembre "_s);
        QCOMPARE(KeptMonthText(u"Marz"_s), QString());
        QCOMPARE(KeptMonthText(u"03"_s), QString());
    }

    void summary_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QStringList>("listed"); // the notes of the listed cards, in file order

        QTest::newRow("March, every reason: the bad date in the middle is skipped")
            << u"01/03/2024"_s << u"31/03/2024"_s << QString()
            << QStringList { u"a"_s, u"b"_s, u"c"_s, u"f"_s, u"i"_s };
        QTest::newRow("March, reason consegna in any case")
            << u"01/03/2024"_s << u"31/03/2024"_s << u"consegna"_s << QStringList { u"a"_s, u"c"_s, u"f"_s, u"i"_s };
        QTest::newRow("reason with a trailing blank")
            << u"01/03/2024"_s << u"31/03/2024"_s << u"consegna "_s << QStringList { u"a"_s, u"f"_s };
        QTest::newRow("blank reason is every reason")
            << u"29/02/2024"_s << u"29/02/2024"_s << u"   "_s << QStringList { u"e"_s };
        QTest::newRow("a reason never lists an empty one")
            << u"29/02/2024"_s << u"29/02/2024"_s << u"e"_s << QStringList {};
        QTest::newRow("end day included, the next excluded")
            << u"15/03/2024"_s << u"31/03/2024"_s << QString() << QStringList { u"b"_s, u"c"_s };
        QTest::newRow("April: an unpadded date")
            << u"01/04/2024"_s << u"30/04/2024"_s << QString() << QStringList { u"d"_s };
        QTest::newRow("another year in the file")
            << u"01/03/2023"_s << u"31/03/2023"_s << QString() << QStringList { u"g"_s };
    }
    void summary()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, reason);
        QFETCH(QStringList, listed);

        const QString year = m_folder->file(u"2024.vis"_s);
        WriteSummaryYear(year);
        const VisitSummary summary = ReadVisitSummary({ year, start, end, reason });
        QVERIFY(summary.readable);
        QStringList expected;
        for (const TSchedaVisita &card : SummaryCards(listed))
            expected.append(VisitSearchLine(card));
        QCOMPARE(summary.lines, expected);
    }

    void summaryLineAndClosingLines()
    {
        const QString year = m_folder->file(u"2024.vis"_s);
        WriteSummaryYear(year);
        const VisitSummary summary = ReadVisitSummary({ year, u"01/03/2024"_s, u"10/03/2024"_s, u"URGENTE"_s });
        QCOMPARE(summary.lines,
            QStringList { u"Rossi F                       Cel. 3331234567    Entrata: 5/3/2024    Ora: 09:00  "
                          u"Uscita:             Ora:        consegna urgente"_s });

        const QString interval = SummaryIntervalText(u" 01/03/2024"_s, u"31/03/2024 "_s);
        QCOMPARE(interval, u"Dal   01/03/2024   al   31/03/2024"_s);
        QCOMPARE(SummaryReasonHeading(u"  Consegna "_s), u"Consegna"_s);
        QCOMPARE(SummaryReasonHeading(u" "_s), u"Tutti i motivi"_s);
        QCOMPARE(SummaryReportTitle(u"Tutti i motivi"_s), u"Visite dovute al seguente motivo: Tutti i motivi"_s);
        QCOMPARE(SummaryReportLines({ u"uno"_s, u"due"_s }, interval, u" 2"_s),
            QStringList({ u"uno"_s, u"due"_s, u"- - - - - - - - - - - - - - - -"_s,
                u"INTERVALLO SELEZIONATO:    Dal   01/03/2024   al   31/03/2024"_s, u"TOTALE VISITE:  2"_s }));
        QCOMPARE(SummaryReportLines({}, interval, u"0"_s).first().count(u'-'), 16);
    }

    void missingYearIsCreatedEmpty()
    {
        const QString year = m_folder->file(u"2030.vis"_s);
        const VisitSummary summary = ReadVisitSummary({ year, u"01/01/2030"_s, u"31/12/2030"_s, QString() });
        QVERIFY(summary.readable);
        QVERIFY(summary.lines.isEmpty());
        QVERIFY(QFile::exists(year));
        QCOMPARE(QFileInfo(year).size(), 0);
        QCOMPARE(CountVisitsPerMonth(m_folder->file(u"2031.vis"_s), 2031), MonthlyCounts {});
    }

    void monthlyCounts_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QList<int>>("counts");

        QTest::newRow("2028: unpadded, blank-spaced and two-digit dates count")
            << 2028 << QList<int> { 3, 1, 2, 0, 0, 1, 0, 0, 0, 0, 0, 1 };
        QTest::newRow("2027: only its own card") << 2027 << QList<int> { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
        QTest::newRow("2029") << 2029 << QList<int> { 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0 };
        QTest::newRow("a year with no card") << 2030 << QList<int>(12, 0);
    }
    void monthlyCounts()
    {
        QFETCH(int, year);
        QFETCH(QList<int>, counts);

        const QString path = m_folder->file(u"2028.vis"_s);
        writeCards(path,
            { u"03/01/2028"_s, u"15/01/2028"_s, u"28/02/2028"_s, u"5/3/2028"_s, u"12/1/2028"_s, u"1/12/2028"_s,
                u"01/01/2027"_s, QString(), u"31/04/2028"_s, u"garbage"_s, u"7/3/28"_s, u"15/06/2029"_s,
                u" 9 /6/ 2028"_s, u"2028-05-01"_s, u"00/05/2028"_s });
        const MonthlyCounts got = CountVisitsPerMonth(path, year);
        QCOMPARE(QList<int>(got.begin(), got.end()), counts);
    }

    // A folder where the year file should be: the summary says it could not read, the count throws.
    void unreadableYearFile()
    {
        const QString path = m_folder->file(u"2024.vis"_s);
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!ReadVisitSummary({ path, u"01/01/2024"_s, u"31/12/2024"_s, QString() }).readable);
        QVERIFY_THROWS_EXCEPTION(StorageError, CountVisitsPerMonth(path, 2024));
    }

    // Bytes that no program wrote: every record is read as what it holds, none stops the others.
    void damagedYearFile()
    {
        const QString path = m_folder->file(u"2024.vis"_s);
        QByteArray bytes(792 * 300 + 500, '\0');
        QRandomGenerator random(20240305);
        for (char &b : bytes)
            b = char(random.bounded(256));
        // Record 100: an entry-date length byte past the field's capacity, over a valid date.
        QByteArray date = "15/03/2024";
        bytes[99 * 792] = char(255);
        bytes.replace(99 * 792 + 1, date.size(), date);
        // Record 200: an ordinary card of April, after all the noise.
        const QByteArray april = VisitCard({ { VisitField::DataEnt, u"02/04/2024"_s } }).toBytes();
        bytes.replace(199 * 792, 792, april);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const MonthlyCounts counts = CountVisitsPerMonth(path, 2024);
        QVERIFY(counts[2] >= 1);
        QVERIFY(counts[3] >= 1);
        const VisitSummary summary = ReadVisitSummary({ path, u"01/03/2024"_s, u"30/04/2024"_s, QString() });
        QVERIFY(summary.readable);
        QVERIFY(summary.lines.size() >= 2);
        QVERIFY(summary.lines.size() <= 300);
    }
};

QTEST_GUILESS_MAIN(TestSummaryRules)
#include "TestSummaryRules.moc"
