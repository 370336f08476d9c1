#include "base/TextFunctions.h"

#include "base/Clock.h"

#include <cmath>

using namespace Qt::StringLiterals;

QString TrimText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString UpperAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(UpperAZChar(c.unicode()));
    return out;
}

QString LowerAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(LowerAZChar(c.unicode()));
    return out;
}

QString TrimUpperAZ(const QString &text)
{
    return UpperAZ(TrimText(text));
}

bool IsAllDigits(const QString &text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

namespace {

class DateScanner
{
public:
    explicit DateScanner(const QString &text)
        : m_text(text)
    { }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos) == u' ')
            ++m_pos;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool take(QChar c)
    {
        if (!atEnd() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    // A run of decimal digits; its value and how many digits it had.
    bool number(int &value, int &digits)
    {
        value = 0;
        digits = 0;
        while (!atEnd() && m_text.at(m_pos) >= u'0' && m_text.at(m_pos) <= u'9') {
            // Leading zeros count for nothing; a value past any day, month or year stops growing.
            if (value < 100000)
                value = value * 10 + (m_text.at(m_pos).unicode() - u'0');
            ++digits;
            ++m_pos;
        }
        return digits > 0;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<QDate> ParseDate(const QString &text)
{
    DateScanner s(text);
    int day = 0, month = 0, year = 0, digits = 0, yearDigits = 0;

    s.skipBlanks();
    if (!s.number(day, digits))
        return std::nullopt;
    s.skipBlanks();
    if (!s.take(u'/'))
        return std::nullopt;
    s.skipBlanks();
    if (!s.number(month, digits))
        return std::nullopt;
    s.skipBlanks();
    bool hasYear = false;
    if (s.take(u'/')) {
        s.skipBlanks();
        if (!s.number(year, yearDigits))
            return std::nullopt;
        hasYear = true;
        s.skipBlanks();
        s.take(u'/');
    }
    s.skipBlanks();
    if (!s.atEnd())
        return std::nullopt;

    // The clock only when the year needs it: scans parse the dates of whole years of cards.
    if (!hasYear) {
        year = Clock::today().year();
    } else if (yearDigits <= 2) {
        const int b = Clock::today().year() - 50;
        year += (b / 100) * 100;
        if (year < b)
            year += 100;
    } else if (yearDigits > 4) {
        return std::nullopt;
    }
    return CalendarDate(year, month, day);
}

std::optional<QDate> CalendarDate(int year, int month, int day)
{
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool IsValidDate(const QString &text)
{
    return ParseDate(text).has_value();
}

bool IsValidTime(const QString &text)
{
    return ParseTime(text).has_value();
}

std::optional<QTime> ParseTime(const QString &text)
{
    const QString t = TrimText(text);
    const qsizetype separator = t.size() - 3;
    if (separator < 1 || separator > 2 || (t.at(separator) != u':' && t.at(separator) != u'.'))
        return std::nullopt;
    const QString hour = t.left(separator);
    const QString minutes = t.mid(separator + 1);
    if (!IsAllDigits(hour) || !IsAllDigits(minutes) || hour.toInt() > 23 || minutes.toInt() > 59)
        return std::nullopt;
    return QTime(hour.toInt(), minutes.toInt());
}

QString TimeText(const QTime &time)
{
    return time.toString(u"hh:mm"_s);
}

QString DateText(const QDate &date)
{
    return date.toString(u"dd/MM/yyyy"_s);
}

QString PrintedOnText(const QDate &date)
{
    return u"Stampa eseguita in data "_s + DateText(date);
}

QString PrintedAtText(const QDateTime &moment)
{
    return PrintedOnText(moment.date()) + u" alle ore "_s + moment.time().toString(u"HH:mm:ss"_s);
}

QString LeftText(const QString &text, qsizetype n)
{
    if (n <= 0)
        return QString();
    return text.left(n);
}

double RoundToDecimals(double x, int n)
{
    long double f = 1.0L;
    for (int i = 0; i < n; ++i)
        f *= 10.0L;
    return static_cast<double>(std::trunc(static_cast<long double>(x) * f + 0.5L) / f);
}

QString FixedColumn(const QString &value, qsizetype n)
{
    QString v = TrimText(value);
    if (v.size() < n)
        v += QString(n - v.size(), u' ');
    return LeftText(v, n);
}
