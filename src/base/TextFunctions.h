#pragma once
// The text and number rules every screen shares: trimming, a-z casing, dates read and written,
// fixed-width columns and the decimal rounding of amounts.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// Removes leading and trailing characters whose code is 32 or below.
QString TrimText(const QString &text);
// Changes only the letters a to z; accented letters and everything else stay.
QString UpperAZ(const QString &text);
QString LowerAZ(const QString &text);
// The same rule for one character, for loops that must not copy their text.
constexpr char16_t UpperAZChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}
constexpr char16_t LowerAZChar(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}
// Trimmed, then a to z upper-cased: what a code box holds as the operator types.
QString TrimUpperAZ(const QString &text);

bool IsAllDigits(const QString &text);
bool IsValidDate(const QString &text);
// A time of day as hh:mm after trimming: one or two digits for the hour (0 to 23), ":" or ".", two
// digits for the minutes (00 to 59).
bool IsValidTime(const QString &text);
// The time of day a text stands for under that rule.
std::optional<QTime> ParseTime(const QString &text);
// The time as the program writes it, hh:mm: what ParseTime reads back.
QString TimeText(const QTime &time);
// The date a text stands for, under the program's dd/mm/yyyy rule; years of one or two
// digits fall in the hundred years starting 50 years before the clock's current year.
std::optional<QDate> ParseDate(const QString &text);
// The date of a day, month and year as read, when the calendar has it (a year from 1 on).
std::optional<QDate> CalendarDate(int year, int month, int day);
// The date as the program writes it, dd/mm/yyyy: what ParseDate reads back.
QString DateText(const QDate &date);
// The stamp of every printed page: "Stampa eseguita in data dd/mm/yyyy".
QString PrintedOnText(const QDate &date);
// The stamp of a printed card: "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString PrintedAtText(const QDateTime &moment);

QString LeftText(const QString &text, qsizetype n);
double RoundToDecimals(double x, int n);

// A column of width n: the trimmed value padded with blanks, or cut, to exactly n characters.
QString FixedColumn(const QString &value, qsizetype n);
