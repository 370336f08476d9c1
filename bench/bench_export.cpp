// Times the visit export on a year file: showing the screen (reading every card into the grid),
// painting the grid, and writing Registro_Visite.xls from it. The year file is the one named on
// the command line, never written, or a made-up year of 200,000 cards; the export goes to a
// temporary folder. Prints figures only.

#include "BenchYearFile.h"

#include "base/ProgramFolder.h"
#include "storage/TSchedaVisita.h"
#include "visits/ExpVisite.h"
#include "widgets/ClickableImage.h"
#include "widgets/Messages.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int SampleCards = 200000;

const char Usage[] = "Usage: bench_export [YEARFILE]\n"
                     "  Times the visit export on YEARFILE, a year file such as 2024.vis (opened as\n"
                     "  the program opens it, never written), or on a made-up year of 200,000 cards\n"
                     "  when none is given. The spreadsheet file goes to a temporary folder.\n";

// The resident memory of this process, in MB, as the system counts it.
qint64 residentMegabytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    }
    return -1;
}

// Yes to exporting, No to opening the file; the other boxes are not expected.
class Answers : public MessageHandler
{
public:
    bool message(QWidget *, MessageKind kind, const QString &) override
    {
        if (kind != MessageKind::Confirmation)
            failed = true;
        return ++asked == 1;
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }

    int asked = 0;
    bool failed = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString yearFile = YearFileArgument(QCoreApplication::arguments(), Usage);

    QTemporaryDir dir;
    SetProgramFolder(dir.path());
    Answers answers;
    Messages::setHandler(&answers);

    yearFile = MeasuredYearFile("Visit export bench", yearFile, dir.path(), SampleCards, u"05/03/2024"_s);
    if (yearFile.isEmpty())
        return 1;

    QElapsedTimer timer;
    const qint64 before = residentMegabytes();

    {
        TfrmExpVisite dlg;
        dlg.setYearFile(yearFile);
        timer.start();
        dlg.show();
        PrintTime("show the screen: read every card into the grid", timer.restart());
        QApplication::processEvents();
        dlg.repaint();
        PrintTime("lay out and paint the grid", timer.restart());
        auto *grid = dlg.findChild<QTableView *>(u"grdRecords"_s);
        PrintCount("rows in the grid", grid->model()->rowCount());
        PrintCount("memory taken by the filled screen (MB)", residentMegabytes() - before);

        grid->scrollToBottom();
        timer.restart();
        dlg.repaint();
        PrintTime("paint the grid at its last row", timer.restart());

        timer.restart();
        Q_EMIT dlg.findChild<ClickableImage *>(u"cmdEsporta"_s)->clicked();
        PrintTime("export: write Registro_Visite.xls", timer.restart());
        const QFileInfo exported(dir.filePath(u"Registro_Visite.xls"_s));
        PrintCount("bytes written", exported.exists() ? exported.size() : -1);
        if (answers.failed || answers.asked != 2)
            std::printf("  the export did not end with its success question\n");
    }
    Messages::setHandler(nullptr);
    SetProgramFolder(QString());
    return 0;
}
