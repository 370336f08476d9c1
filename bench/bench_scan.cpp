// Times the scans behind the list screens on a year file, each run several times with the same
// functions the screens call: the three presence lists (lines built and sorted), the visit search
// by part of a surname (sorted), the twelve monthly counts and the summary of March. Prints one
// line per work, "<name> <median CPU seconds> <lines or count>", then "peak-rss-mb <number>".
// With --rows prints the cards of the file instead, one a line, their fields trimmed and separated
// by tabs, for loading the same cards into another program (bench/compare.sh).

#include "base/Clock.h"
#include "base/SearchCriteria.h"
#include "storage/VisitFile.h"
#include "summaries/MonthlyCounts.h"
#include "summaries/VisitSummary.h"
#include "visits/PresenceLines.h"
#include "visits/VisitSearch.h"

#include <QCoreApplication>
#include <QDate>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const char Usage[] = "Usage: bench_scan YEARFILE DD/MM/YYYY\n"
                     "       bench_scan --rows YEARFILE\n"
                     "  Times the scans of the list screens on YEARFILE (never written), taking\n"
                     "  DD/MM/YYYY as today; or prints its cards as tab-separated rows.\n";

constexpr int Runs = 5;

double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Runs `work` several times and prints the median CPU time with what the last run gave.
void measure(const char *name, const std::function<qint64()> &work)
{
    std::vector<double> times;
    qint64 result = 0;
    for (int run = 0; run < Runs; ++run) {
        const double start = cpuSeconds();
        result = work();
        times.push_back(cpuSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s %.3f %lld\n", name, times[times.size() / 2], static_cast<long long>(result));
    std::fflush(stdout);
}

qint64 presence(PresenceKind kind, const QString &yearFile, const QString &today)
{
    // What a presence list screen does before it paints: the list box sorts what it is given.
    LineStore lines = ListPresenceLines(kind, yearFile, today);
    lines.sort();
    return lines.size();
}

int printRows(const QString &yearFile)
{
    VisitFile::scan(yearFile, [](const VisitRecordView &card, int) {
        QByteArray row;
        for (int f = 0; f < TSchedaVisita::FieldCount; ++f) {
            QString value = card.field(VisitField(f));
            value.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ').replace(u'"', u'\'');
            if (f > 0)
                row += '\t';
            row += value.toUtf8();
        }
        row += '\n';
        std::fwrite(row.constData(), 1, size_t(row.size()), stdout);
        return true;
    });
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args.at(0) == u"--rows"_s)
        return printRows(args.at(1));
    const QDate day = args.size() == 2 ? QDate::fromString(args.at(1), u"dd/MM/yyyy"_s) : QDate();
    if (!day.isValid()) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    const QString yearFile = args.at(0);
    Clock::setFixed(QDateTime(day, QTime(12, 0)));
    const QString today = PresenceToday();
    const QString year = QString::number(day.year());

    measure("not-exited", [&] { return presence(PresenceKind::NonUsciti, yearFile, today); });
    measure("entered-today", [&] { return presence(PresenceKind::EntratiOggi, yearFile, today); });
    measure("exited-today", [&] { return presence(PresenceKind::UscitiOggi, yearFile, today); });
    measure("search-surname-ross", [&] {
        QStringList typed(VisitSearchFields().size());
        typed[VisitSearchFields().indexOf(VisitField::Cognome)] = u"ross"_s;
        LineStore found = ListVisitSearch(yearFile, SearchCriteria(typed));
        found.sort();
        return found.size();
    });
    measure("monthly-counts", [&] {
        const MonthlyCounts counts = CountVisitsPerMonth(yearFile, day.year());
        qint64 total = 0;
        for (int c : counts)
            total += c;
        return total;
    });
    measure("summary-month-3", [&] {
        return ReadVisitSummary({ yearFile, u"01/03/"_s + year, u"31/03/"_s + year, QString() }).lines.size();
    });

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak-rss-mb %.1f\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
