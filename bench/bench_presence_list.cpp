// Times the list of the visitors not yet out on a year file: reading it, building and sorting the
// lines, then the screen itself: shown, scrolled to the end, a Trova over every line and one that
// finds the last line, the double-click, and finding the card behind a line by the whole-file
// fallback; last the peak memory. The year file is the one named on the command line, never
// written, or a made-up year of 200,000 cards. Prints figures only.

#include "BenchYearFile.h"

#include "base/ProgramFolder.h"
#include "storage/TSchedaVisita.h"
#include "visits/NonUsciti.h"
#include "visits/PresenceLines.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int SampleCards = 200000;

const char Usage[] = "Usage: bench_presence_list [YEARFILE]\n"
                     "  Times the list of the visitors not yet out on YEARFILE, a year file such as\n"
                     "  2024.vis (opened as the program opens it, never written), or on a made-up\n"
                     "  year of 200,000 cards when none is given.\n";

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString yearFile = YearFileArgument(QCoreApplication::arguments(), Usage);

    // Nothing the screens touch lands in the program's own folder.
    QTemporaryDir dir;
    SetProgramFolder(dir.path());
    const QString today = PresenceToday();

    yearFile = MeasuredYearFile("Presence list bench", yearFile, dir.path(), SampleCards, today);
    if (yearFile.isEmpty())
        return 1;

    QElapsedTimer timer;
    timer.start();
    {
        // Only the screen's own lines stay for the peak memory measured below.
        bool complete = true;
        LineStore lines = ListPresenceLines(PresenceKind::NonUsciti, yearFile, today, &complete);
        if (!complete) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(yearFile));
            return 1;
        }
        PrintTime("scan + select + build lines (not out)", timer.restart());
        PrintCount("lines listed", lines.size());
        lines.sort();
        PrintTime("sort the lines with their positions", timer.restart());
    }

    {
        // The screen as the operator meets it: shown, scrolled to the end, searched, double-clicked.
        TfrmNonUsciti dlg;
        dlg.setYearFile(yearFile);
        timer.restart();
        dlg.show();
        QApplication::processEvents();
        PrintTime("show the screen: scan, lines, sort, fill, paint", timer.restart());
        auto *box = dlg.findChild<ListBox *>(u"lstRecords"_s);
        PrintCount("lines in the screen's list", box->count());
        if (box->count() == 0) {
            std::printf("  no visitor still inside: nothing more to measure\n");
            return 0;
        }
        timer.restart();
        box->scrollToBottom();
        box->viewport()->repaint();
        PrintTime("scroll to the last line and paint", timer.restart());

        auto *key = dlg.findChild<QLineEdit *>(u"txtTrova"_s);
        auto *trova = dlg.findChild<QPushButton *>(u"btnTrova"_s);
        key->setText(u"nessuna corrispondenza"_s);
        timer.restart();
        trova->click();
        box->viewport()->repaint();
        PrintTime("Trova over every line, no match", timer.restart());
        key->setText(box->lines().constLast().right(12));
        timer.restart();
        trova->click();
        box->viewport()->repaint();
        PrintTime("Trova of the last line's end, found", timer.restart());
        PrintCount("row found", box->selectedRow());

        box->selectRow(box->count() / 2);
        const QString chosen = box->selectedText();
        const int listed = box->selectedTag();
        timer.restart();
        Q_EMIT box->lineDoubleClicked();
        PrintTime("double-click: the card at its listed position", timer.restart());
        std::printf("  %-52s %7d (listed %d)\n", "card found at position",
            dlg.chosenCard() ? dlg.chosenCard()->position : 0, listed);

        // A stale position (the file changed since the listing) falls back to reading the whole file.
        timer.restart();
        const std::optional<PresenceCard> again
            = FindPresenceCard(PresenceKind::NonUsciti, yearFile, chosen, listed == 1 ? 2 : 1);
        PrintTime("double-click, stale position: scan the whole file", timer.restart());
        std::printf("  %-52s %7d\n", "card found at position", again ? again->position : 0);
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    PrintCount("peak memory (MB)", usage.ru_maxrss / 1024);
    SetProgramFolder(QString());
    return 0;
}
