// Renders the printed list of 20,000 and 100,000 lines into a PDF in a temporary folder and prints
// how long building the layout and painting every page take, with the page count. Prints figures only.

#include "base/Clock.h"
#include "output/ListReport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A line as wide as the presence list's: fixed columns of a visit card.
QStringList listLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        lines.append(u"%1  %2:%3  %4  %5  Consegna merci          Portineria    AX%6"_s
                         .arg(QDate(2024, 1, 1).addDays(i % 366).toString(u"dd/MM/yyyy"_s))
                         .arg(8 + i % 10, 2, 10, QChar(u'0'))
                         .arg(i % 60, 2, 10, QChar(u'0'))
                         .arg(u"ROSSI %1"_s.arg(i), -24)
                         .arg(u"MARIO"_s, -16)
                         .arg(i, 7, 10, QChar(u'0')));
    }
    return lines;
}

void report(const char *what, qint64 value, const char *unit)
{
    std::printf("  %-40s %9lld %s\n", what, static_cast<long long>(value), unit);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }

    std::printf("List report bench\n");
    for (const int count : { 20000, 100000 }) {
        const QStringList lines = listLines(count);
        const QString path = dir.filePath(u"list-%1.pdf"_s.arg(count));

        QElapsedTimer timer;
        timer.start();
        const ReportLayout layout = BuildListReport(u"Riepilogo visite in archivio"_s, lines, Clock::today());
        const qint64 built = timer.restart();
        const int pages = layout.pageCount();
        const qint64 counted = timer.restart();
        bool ok = false;
        QString error;
        {
            QPdfWriter writer(path);
            ok = layout.render(&writer, &error);
        }
        const qint64 rendered = timer.elapsed();
        if (!ok) {
            std::fprintf(stderr, "render failed: %s\n", qPrintable(error));
            return 1;
        }

        std::printf("%d lines\n", count);
        report("build the layout", built, "ms");
        report("count the pages", counted, "ms");
        report("render into the PDF", rendered, "ms");
        report("pages", pages, "");
        report("render per page", pages > 0 ? rendered * 1000 / pages : 0, "us");
        report("PDF size", QFileInfo(path).size() / 1024, "KiB");
    }
    return 0;
}
