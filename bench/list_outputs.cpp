// Prints what the list screens show for a year file, line by line with the position each line
// leads back to: the three presence lists, the visit search by a few criteria, the summaries, the
// monthly counts, where Trova lands and which card a double-click finds. Two builds of the program
// print the same text for the same file when their lists agree; a tool for comparing them, not a test.

#include "base/Clock.h"
#include "base/ProgramFolder.h"
#include "summaries/MonthlyCounts.h"
#include "summaries/Riepilogo.h"
#include "visits/EntratiOggi.h"
#include "visits/NonUsciti.h"
#include "visits/PresenceLines.h"
#include "visits/TrovaVisite.h"
#include "visits/UscitiOggi.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const char Usage[] = "Usage: list_outputs YEARFILE DD/MM/YYYY\n"
                     "  Prints every line the list screens show for YEARFILE (never written), taking\n"
                     "  DD/MM/YYYY as today.\n";

void printList(const char *title, const ListBox *box)
{
    const QAbstractItemModel *model = box->model();
    const int rows = model->rowCount();
    std::printf("== %s: %d lines\n", title, rows);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model->index(row, 0);
        std::printf("%d\t%s\n", model->data(index, Qt::UserRole).toInt(),
            model->data(index, Qt::DisplayRole).toString().toUtf8().constData());
    }
}

void printFinds(ListBox *box, const QStringList &keys)
{
    for (const QString &key : keys) {
        std::printf("trova \"%s\":", key.toUtf8().constData());
        for (int press = 0; press < 3; ++press) {
            box->find(key);
            std::printf(" %d", box->selectedRow());
        }
        std::printf("\n");
    }
}

template<typename Screen> void presenceList(const char *title, const QString &yearFile)
{
    Screen dlg;
    dlg.setYearFile(yearFile);
    dlg.show();
    QApplication::processEvents();
    auto *box = dlg.template findChild<ListBox *>(u"lstRecords"_s);
    printList(title, box);
    if (box->count() == 0)
        return;
    printFinds(box, { u"ross"_s, u"NICOLÒ"_s, u"  Cel. 3"_s, u"\u0160"_s, u"?"_s, u"zzz"_s });
    for (int row : { 0, box->count() / 2, box->count() - 1 }) {
        box->selectRow(row);
        const std::optional<PresenceCard> card
            = FindPresenceCard(dlg.kind(), yearFile, box->selectedText(), box->selectedTag());
        std::printf("double-click %d: %d\n", row, card ? card->position : 0);
    }
}

void search(const QString &yearFile, const QString &box, const QString &typed)
{
    TfrmTrovaVisite dlg;
    dlg.setYearFile(yearFile);
    dlg.show();
    dlg.findChild<QLineEdit *>(box)->setText(typed);
    dlg.findChild<QPushButton *>(u"btnCerca"_s)->click();
    const QString title = u"search %1 \"%2\""_s.arg(box, typed);
    printList(title.toUtf8().constData(), dlg.findChild<ListBox *>(u"lstRecords"_s));
}

void summary(const SummaryRequest &request)
{
    TfrmRiepilogo dlg;
    const bool read = dlg.buildSummary(request, ReadVisitSummary(request));
    const QString title = u"summary %1-%2 \"%3\" (read: %4)"_s.arg(request.start, request.end, request.reason)
                              .arg(read ? u"yes"_s : u"no"_s);
    printList(title.toUtf8().constData(), dlg.findChild<ListBox *>(u"lstRecords"_s));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QDate today = args.size() == 2 ? QDate::fromString(args.at(1), u"dd/MM/yyyy"_s) : QDate();
    if (!today.isValid()) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    const QString yearFile = args.at(0);
    QTemporaryDir dir;
    SetProgramFolder(dir.path() + u'/');
    Clock::setFixed(QDateTime(today, QTime(12, 0)));

    presenceList<TfrmNonUsciti>("not-exited", yearFile);
    presenceList<TfrmEntratiOggi>("entered-today", yearFile);
    presenceList<TfrmUscitiOggi>("exited-today", yearFile);

    search(yearFile, u"txtCognome"_s, u"ross"_s);
    search(yearFile, u"txtCognome"_s, u" ROSS"_s);
    search(yearFile, u"txtNome"_s, u"nicolò"_s);
    search(yearFile, u"txtCognome"_s, u"\u0141"_s); // stored as its base letter: found nowhere
    search(yearFile, u"txtCognome"_s, u"?"_s);
    search(yearFile, u"txtCognome"_s, u"\u0161"_s); // the code page's š, also in capitals
    search(yearFile, u"txtMotivo"_s, u"consegna"_s);
    search(yearFile, u"txtDataEnt"_s, u"03/"_s);
    search(yearFile, u"txtDataUsc"_s, u"   "_s);

    const QString y = QString::number(today.year());
    summary({ yearFile, u"01/03/"_s + y, u"31/03/"_s + y, u"consegna"_s });
    summary({ yearFile, u"01/03/"_s + y, u"31/03/"_s + y, QString() });
    summary({ yearFile, u"28/12/"_s + y, u"31/12/"_s + y, u" qualità "_s });
    summary({ yearFile, u"1/2"_s, u"3/2"_s, u"€"_s });

    const MonthlyCounts counts = CountVisitsPerMonth(yearFile, today.year());
    std::printf("== monthly counts:");
    for (int count : counts)
        std::printf(" %d", count);
    std::printf("\n");
    Clock::reset();
    SetProgramFolder(QString());
    return 0;
}
