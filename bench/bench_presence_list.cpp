// Times the list of the visitors not yet out on a year file: reading it, building and sorting the
// lines, filling the list box, showing the screen, a Trova over every line, and finding the card
// behind a line again (at its listed position, and by the whole-file fallback). The year file is
// the one named on the command line, never written, or a made-up year of 200,000 cards.
// Prints figures only.

#include "BenchYearFile.h"

#include "base/ListText.h"
#include "base/ProgramFolder.h"
#include "register/NonUsciti.h"
#include "register/PresenceLines.h"
#include "storage/TSchedaVisita.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

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
    const PresenceLines read = ReadPresenceLines(PresenceKind::NonUsciti, yearFile, today);
    if (!read.complete) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(yearFile));
        return 1;
    }
    PrintTime("scan + select + build lines (not out)", timer.restart());
    PrintCount("lines listed", read.lines.size());

    QStringList sorted = read.lines;
    timer.restart();
    SortListLines(sorted);
    PrintTime("sort the lines", timer.restart());

    QStringList sortedWithPositions = read.lines;
    QList<int> positions = read.positions;
    timer.restart();
    SortListLines(sortedWithPositions, positions);
    PrintTime("sort the lines with their positions", timer.restart());

    {
        QWidget host;
        ListBox box(u"lstRecords"_s, QRect(0, 0, 801, 273), &host);
        host.resize(820, 300);
        host.show();
        QApplication::processEvents();
        timer.restart();
        box.setLines(read.lines, read.positions);
        PrintTime("fill the list box with positions (sort included)", timer.restart());
        QApplication::processEvents();
        box.repaint();
        PrintTime("lay out and paint the filled list", timer.restart());
        // On an empty list Trova only tells the operator so, in a message box that waits.
        if (box.count() > 0) {
            box.find(u"nessuna corrispondenza"_s);
            PrintTime("Trova over every line, no match", timer.restart());
        }
    }

    {
        TfrmNonUsciti dlg;
        dlg.setYearFile(yearFile);
        timer.restart();
        dlg.show();
        QApplication::processEvents();
        PrintTime("show the screen: scan, lines, sort, fill, paint", timer.restart());
        auto *box = dlg.findChild<ListBox *>(u"lstRecords"_s);
        PrintCount("lines in the screen's list", box->count());
        if (box->count() > 0) {
            box->selectRow(box->count() / 2);
            const QString chosen = box->selectedText();
            const int listed = box->selectedTag();
            timer.restart();
            const std::optional<PresenceCard> card
                = FindPresenceCard(PresenceKind::NonUsciti, yearFile, chosen, listed);
            PrintTime("double-click: read the card at its listed position", timer.restart());
            std::printf("  %-52s %7d (listed %d)\n", "card found at position", card ? card->position : 0, listed);

            // A stale position (the file changed since the listing) falls back to reading the whole file.
            const int stale = listed == 1 ? 2 : 1;
            timer.restart();
            const std::optional<PresenceCard> again
                = FindPresenceCard(PresenceKind::NonUsciti, yearFile, chosen, stale);
            PrintTime("double-click, stale position: scan the whole file", timer.restart());
            std::printf("  %-52s %7d\n", "card found at position", again ? again->position : 0);
        } else {
            std::printf("  no visitor still inside: the double-click is not measured\n");
        }
    }
    SetProgramFolder(QString());
    return 0;
}
