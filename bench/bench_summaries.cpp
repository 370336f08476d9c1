// Times the summaries and the monthly statistics on a year file: the summary of a month with a
// reason and of the whole year with every reason (scan, selection, lines), the summary screen
// filled with a month, and the twelve monthly counts. The year file is the one named on the
// command line, never written, or a made-up year of 1,000,000 cards. Prints figures only.

#include "BenchYearFile.h"

#include "base/ProgramFolder.h"
#include "storage/TSchedaVisita.h"
#include "summaries/MonthlyCounts.h"
#include "summaries/Riepilogo.h"
#include "summaries/VisitSummary.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int SampleCards = 1000000;

const char Usage[] = "Usage: bench_summaries [YEARFILE]\n"
                     "  Times the summaries and the monthly counts on YEARFILE, a year file such as\n"
                     "  2024.vis (opened as the program opens it, never written), or on a made-up\n"
                     "  year of 1,000,000 cards when none is given.\n";

void report(const char *what, qint64 ms)
{
    std::printf("  %-52s %7lld ms\n", what, static_cast<long long>(ms));
    std::fflush(stdout);
}

void count(const char *what, qint64 value)
{
    std::printf("  %-52s %7lld\n", what, static_cast<long long>(value));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString yearFile = YearFileArgument(QCoreApplication::arguments(), Usage);

    QTemporaryDir dir;
    SetProgramFolder(dir.path());

    QElapsedTimer timer;
    timer.start();
    if (yearFile.isEmpty()) {
        yearFile = dir.filePath(u"2024.vis"_s);
        if (!WriteSampleYearFile(yearFile, SampleCards, u"10/04/2024"_s)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(yearFile));
            return 1;
        }
        std::printf("Summaries bench: a made-up year\n");
        report("write the year file", timer.restart());
    } else {
        std::printf("Summaries bench: %s\n", qPrintable(QDir::toNativeSeparators(yearFile)));
    }
    const qint64 bytes = QFileInfo(yearFile).size();
    count("cards in the file", bytes / TSchedaVisita::RecordSize);

    // The year the file is named after, or 2024 for a name that is no year.
    bool isYear = false;
    int year = QFileInfo(yearFile).completeBaseName().toInt(&isYear);
    if (!isYear)
        year = 2024;
    const QString y = QString::number(year);

    timer.restart();
    const VisitSummary month = ReadVisitSummary({ yearFile, u"01/03/"_s + y, u"31/03/"_s + y, u"consegna"_s });
    report("summary of March, reason consegna", timer.restart());
    count("lines", month.lines.size());

    const VisitSummary whole = ReadVisitSummary({ yearFile, u"01/01/"_s + y, u"31/12/"_s + y, QString() });
    report("summary of the whole year, every reason", timer.restart());
    count("lines", whole.lines.size());

    {
        TfrmRiepilogo dlg;
        timer.restart();
        dlg.buildSummary({ yearFile, u"01/03/"_s + y, u"31/03/"_s + y, QString() });
        dlg.show();
        QApplication::processEvents();
        report("summary screen of March: read, fill, show", timer.restart());
        count("lines in the screen's list", dlg.findChild<ListBox *>(u"lstRecords"_s)->count());
    }

    timer.restart();
    const MonthlyCounts counts = CountVisitsPerMonth(yearFile, year);
    report("twelve monthly counts", timer.restart());
    qint64 counted = 0;
    for (int c : counts)
        counted += c;
    count("cards counted", counted);

    SetProgramFolder(QString());
    return 0;
}
