// Times the summaries and the monthly statistics on a year file: the summary of a month with a
// reason and of the whole year with every reason (scan, selection, lines), the summary screen
// filled with a month, and the twelve monthly counts. The year file is the one named on the
// command line, never written, or a made-up year of 1,000,000 cards. Prints figures only.

#include "BenchYearFile.h"

#include "base/ProgramFolder.h"
#include "summaries/MonthlyCounts.h"
#include "summaries/Riepilogo.h"
#include "summaries/VisitSummary.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

constexpr int SampleCards = 1000000;

const char Usage[] = "Usage: bench_summaries [YEARFILE]\n"
                     "  Times the summaries and the monthly counts on YEARFILE, a year file such as\n"
                     "  2024.vis (opened as the program opens it, never written), or on a made-up\n"
                     "  year of 1,000,000 cards when none is given.\n";

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString yearFile = YearFileArgument(QCoreApplication::arguments(), Usage);

    QTemporaryDir dir;
    SetProgramFolder(dir.path());
    yearFile = MeasuredYearFile("Summaries bench", yearFile, dir.path(), SampleCards, u"10/04/2024"_s);
    if (yearFile.isEmpty())
        return 1;
    QElapsedTimer timer;

    // The year the file is named after, or 2024 for a name that is no year.
    bool isYear = false;
    int year = QFileInfo(yearFile).completeBaseName().toInt(&isYear);
    if (!isYear)
        year = 2024;
    const QString y = QString::number(year);

    timer.start();
    const VisitSummary month = ReadVisitSummary({ yearFile, u"01/03/"_s + y, u"31/03/"_s + y, u"consegna"_s });
    PrintTime("summary of March, reason consegna", timer.restart());
    PrintCount("lines", month.lines.size());

    const VisitSummary whole = ReadVisitSummary({ yearFile, u"01/01/"_s + y, u"31/12/"_s + y, QString() });
    PrintTime("summary of the whole year, every reason", timer.restart());
    PrintCount("lines", whole.lines.size());

    {
        TfrmRiepilogo dlg;
        timer.restart();
        const SummaryRequest march { yearFile, u"01/03/"_s + y, u"31/03/"_s + y, QString() };
        dlg.buildSummary(march, ReadVisitSummary(march));
        dlg.show();
        QApplication::processEvents();
        PrintTime("summary screen of March: read, fill, show", timer.restart());
        PrintCount("lines in the screen's list", dlg.findChild<ListBox *>(u"lstRecords"_s)->count());
    }

    timer.restart();
    const MonthlyCounts counts = CountVisitsPerMonth(yearFile, year);
    PrintTime("twelve monthly counts", timer.restart());
    qint64 counted = 0;
    for (int c : counts)
        counted += c;
    PrintCount("cards counted", counted);

    SetProgramFolder(QString());
    return 0;
}
