#include "base/Clock.h"
#include "base/TextFunctions.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextFunctions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 30))); }
    void cleanup() { Clock::reset(); }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid date: not a date

        QTest::newRow("full") << u"7/3/2026"_s << QDate(2026, 3, 7);
        QTest::newRow("padded") << u"07/03/2026"_s << QDate(2026, 3, 7);
        QTest::newRow("no year is this year") << u"07/03"_s << QDate(2026, 3, 7);
        QTest::newRow("trailing slash") << u"7/3/2026/"_s << QDate(2026, 3, 7);
        QTest::newRow("blanks before numbers") << u" 1/ 2/2026"_s << QDate(2026, 2, 1);
        QTest::newRow("blanks before slashes") << u"1 /2 / 2026  "_s << QDate(2026, 2, 1);
        QTest::newRow("two-digit 76 window start") << u"1/1/76"_s << QDate(1976, 1, 1);
        QTest::newRow("two-digit 75 next century") << u"1/1/75"_s << QDate(2075, 1, 1);
        QTest::newRow("one-digit year") << u"1/1/5"_s << QDate(2005, 1, 1);
        QTest::newRow("three-digit year as written") << u"1/1/999"_s << QDate(999, 1, 1);
        QTest::newRow("leap day 2024") << u"29/02/2024"_s << QDate(2024, 2, 29);
        QTest::newRow("leap day 2000") << u"29/02/2000"_s << QDate(2000, 2, 29);
        QTest::newRow("no leap day 2026") << u"29/02/2026"_s << QDate();
        QTest::newRow("no leap day 1900") << u"29/02/1900"_s << QDate();
        QTest::newRow("slash without year") << u"7/3/"_s << QDate();
        QTest::newRow("31 april") << u"31/04/2026"_s << QDate();
        QTest::newRow("iso form") << u"2026-03-07"_s << QDate();
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("blanks only") << u"   "_s << QDate();
        QTest::newRow("month 13") << u"1/13/2026"_s << QDate();
        QTest::newRow("day 0") << u"0/1/2026"_s << QDate();
        QTest::newRow("year 0") << u"1/1/0000"_s << QDate();
        QTest::newRow("five-digit year") << u"1/1/20260"_s << QDate();
        QTest::newRow("text after") << u"1/1/2026 x"_s << QDate();
        QTest::newRow("two slashes after year") << u"1/1/2026//"_s << QDate();
        QTest::newRow("tab is not a blank") << u"\t1/1/2026"_s << QDate();
        QTest::newRow("sign") << u"+1/1/2026"_s << QDate();
        QTest::newRow("many leading zeros") << u"00000000031/003/2026"_s << QDate(2026, 3, 31);
        QTest::newRow("huge day") << u"99999999999/3/2026"_s << QDate();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(IsValidDate(text), expected.isValid());
        if (expected.isValid())
            QCOMPARE(ParseDate(text).value(), expected);
    }

    // Dates are written as dd/mm/yyyy, and what is written reads back as the same date.
    void dateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("day and month padded") << QDate(2026, 3, 7) << u"07/03/2026"_s;
        QTest::newRow("end of year") << QDate(2026, 12, 31) << u"31/12/2026"_s;
        QTest::newRow("leap day") << QDate(2024, 2, 29) << u"29/02/2024"_s;
        QTest::newRow("outside the two-digit window") << QDate(1901, 1, 1) << u"01/01/1901"_s;
    }
    void dateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(DateText(date), text);
        QCOMPARE(ParseDate(DateText(date)).value(), date);
        QCOMPARE(PrintedOnText(date), u"Stampa eseguita in data "_s + text);
    }

    void windowFollowsClock()
    {
        Clock::setFixed(QDateTime(QDate(2060, 1, 1), QTime(0, 0)));
        QCOMPARE(ParseDate(u"1/1/10"_s).value(), QDate(2010, 1, 1));
        QCOMPARE(ParseDate(u"1/1/09"_s).value(), QDate(2109, 1, 1));
    }

    void rounding_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("expected");
        QTest::newRow("1.005 stored below the half") << 1.005 << 2 << 1.0;
        QTest::newRow("2.345") << 2.345 << 2 << 2.35;
        QTest::newRow("exact half up") << 0.125 << 2 << 0.13;
        QTest::newRow("negative toward zero") << -2.6 << 0 << -2.0;
        QTest::newRow("negative half") << -2.5 << 0 << -2.0;
        QTest::newRow("n below 1 means units") << 2.5 << -1 << 3.0;
        QTest::newRow("three decimals") << 12.34567 << 3 << 12.346;
        QTest::newRow("already round") << 120.0 << 2 << 120.0;
    }
    void rounding()
    {
        QFETCH(double, x);
        QFETCH(int, n);
        QFETCH(double, expected);
        QCOMPARE(RoundToDecimals(x, n), expected);
    }

    void validTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("hh:mm") << u"09:05"_s << true;
        QTest::newRow("one-digit hour") << u"9:05"_s << true;
        QTest::newRow("full stop") << u"18.30"_s << true;
        QTest::newRow("midnight") << u"0:00"_s << true;
        QTest::newRow("last minute") << u"23:59"_s << true;
        QTest::newRow("blanks around") << u" \t07:45 "_s << true;
        QTest::newRow("hour 24") << u"24:00"_s << false;
        QTest::newRow("minute 60") << u"12:60"_s << false;
        QTest::newRow("both out of range") << u"25:61"_s << false;
        QTest::newRow("letters") << u"ab:cd"_s << false;
        QTest::newRow("one-digit minutes") << u"12:5"_s << false;
        QTest::newRow("three-digit hour") << u"012:30"_s << false;
        QTest::newRow("no separator") << u"1230"_s << false;
        QTest::newRow("other separator") << u"12,30"_s << false;
        QTest::newRow("blank inside") << u"12: 30"_s << false;
        QTest::newRow("sign") << u"+1:30"_s << false;
        QTest::newRow("nothing before the colon") << u":30"_s << false;
        QTest::newRow("seconds") << u"12:30:00"_s << false;
        QTest::newRow("other digits") << u"١٢:٣٠"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void validTime()
    {
        QFETCH(QString, text);
        QTEST(IsValidTime(text), "valid");
    }

    void textFunctions()
    {
        QVERIFY(IsAllDigits(QString()));
        QVERIFY(IsAllDigits(u"0123456789"_s));
        QVERIFY(!IsAllDigits(u"12a"_s));
        QVERIFY(!IsAllDigits(u"١٢"_s)); // Arabic-Indic digits are not "0" to "9"
        QCOMPARE(LeftText(QString(), 3), QString());
        QCOMPARE(LeftText(u"abcdef"_s, 3), u"abc"_s);
        QCOMPARE(TrimText(u"\t\r\n  a b \x01\x1f "_s), u"a b"_s);
        QCOMPARE(TrimText(u"\u00a0a\u00a0"_s), u"\u00a0a\u00a0"_s); // only codes up to 32 go
        QCOMPARE(UpperAZ(u"abz àé 1"_s), u"ABZ àé 1"_s);
        QCOMPARE(LowerAZ(u"ABZ ÀÉ"_s), u"abz ÀÉ"_s);
        QCOMPARE(TrimUpperAZ(u" \tab-1 àz \r\n"_s), u"AB-1 àZ"_s);
        QCOMPARE(TrimUpperAZ(u"  "_s), QString());
        QCOMPARE(FixedColumn(u"  Rossi "_s, 8), u"Rossi   "_s);
        QCOMPARE(FixedColumn(u"Bartolomeo"_s, 4), u"Bart"_s);
        QCOMPARE(FixedColumn(QString(), 3), u"   "_s);
    }
};

QTEST_GUILESS_MAIN(TestTextFunctions)
#include "TestTextFunctions.moc"
