// Times the printed list of a year file: every card of the file as one line of the presence lists,
// the layout built and every page painted into a PDF in a temporary folder, with the page count.
// The year file is the one named on the command line, never written, or made-up years of 20,000
// and 100,000 cards. Prints figures only.

#include "BenchYearFile.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "output/ListReport.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "visits/PresenceLines.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const char Usage[] = "Usage: bench_list_report [YEARFILE]\n"
                     "  Times printing every card of YEARFILE, a year file such as 2024.vis (opened as the\n"
                     "  program opens it, never written), as a list report into a PDF; or of made-up years\n"
                     "  of 20,000 and 100,000 cards when none is given.\n";

void report(const char *what, qint64 value, const char *unit)
{
    std::printf("  %-40s %9lld %s\n", what, static_cast<long long>(value), unit);
    std::fflush(stdout);
}

// False when the year file cannot be read or the PDF cannot be painted.
bool measure(const QString &title, const QString &yearFile, const QString &pdfPath)
{
    std::printf("%s\n", qPrintable(title));
    QElapsedTimer timer;
    timer.start();
    QStringList lines;
    try {
        VisitFile::scan(yearFile, [&lines](const VisitRecordView &card, int) {
            lines.append(PresenceLine(PresenceKind::NonUsciti, card));
            return true;
        });
    } catch (const StorageError &error) {
        std::fprintf(stderr, "cannot read the year file: %s\n", error.what());
        return false;
    }
    report("read the cards and build the lines", timer.restart(), "ms");
    report("lines", lines.size(), "");

    const ReportLayout layout = BuildListReport(u"Riepilogo visite in archivio"_s, lines, Clock::today());
    report("build the layout", timer.restart(), "ms");
    const int pages = layout.pageCount();
    report("count the pages", timer.restart(), "ms");
    bool ok = false;
    QString error;
    {
        QPdfWriter writer(pdfPath);
        ok = layout.render(&writer, &error);
    }
    const qint64 rendered = timer.elapsed();
    if (!ok) {
        std::fprintf(stderr, "render failed: %s\n", qPrintable(error));
        return false;
    }
    report("render into the PDF", rendered, "ms");
    report("pages", pages, "");
    report("render per page", pages > 0 ? rendered * 1000 / pages : 0, "us");
    report("PDF size", QFileInfo(pdfPath).size() / 1024, "KiB");
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString yearFile = YearFileArgument(QCoreApplication::arguments(), Usage);
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }

    std::printf("List report bench\n");
    if (!yearFile.isEmpty())
        return measure(QDir::toNativeSeparators(yearFile), yearFile, dir.filePath(u"list.pdf"_s)) ? 0 : 1;
    for (const int cards : { 20000, 100000 }) {
        const QString sample = dir.filePath(u"%1.vis"_s.arg(cards));
        if (!WriteSampleYearFile(sample, cards, DateText(Clock::today()))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sample));
            return 1;
        }
        if (!measure(u"A made-up year of %1 cards"_s.arg(cards), sample, dir.filePath(u"list-%1.pdf"_s.arg(cards))))
            return 1;
    }
    return 0;
}
