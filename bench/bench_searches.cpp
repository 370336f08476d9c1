// Times the two searches and the list of instalments due: the visit search over a year file (every
// card, then a part of a surname), the client search and the instalments due over a made-up
// registry of 100,000 cards, and finding the card behind a line again (at its listed position, and
// by the whole-file fallback). The year file is the one named on the command line, never written,
// or a made-up year of 200,000 cards. Prints figures only.

#include "BenchYearFile.h"

#include "base/ProgramFolder.h"
#include "base/SearchCriteria.h"
#include "clients/ClientSearch.h"
#include "clients/InstalmentsDue.h"
#include "storage/ClientFile.h"
#include "visits/PresenceLines.h"
#include "visits/VisitSearch.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int SampleCards = 200000;
constexpr int SampleClients = 100000;

const char Usage[] = "Usage: bench_searches [YEARFILE]\n"
                     "  Times the visit search on YEARFILE, a year file such as 2024.vis (opened as\n"
                     "  the program opens it, never written), or on a made-up year of 200,000 cards\n"
                     "  when none is given; then the client search and the instalments due on a\n"
                     "  made-up registry of 100,000 cards.\n";

QStringList boxes(int box, const QString &text)
{
    QStringList typed(10);
    typed[box] = text;
    return typed;
}

bool writeSampleRegistry(int cards)
{
    const QStringList surnames { u"Rossi"_s, u"Bianchi"_s, u"Verdi"_s, u"Esposito"_s, u"Romano"_s, u"Colombo"_s,
        u"Ricci"_s, u"Marino"_s, u"Greco"_s, u"Bruno"_s };
    QFile file(ClientFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QDate first(2024, 1, 1);
    for (int i = 0; i < cards; ++i) {
        TSchedaAnagrafica card;
        card.Cognome = surnames.at(i % surnames.size()) + QString::number(i / surnames.size());
        card.Nome = u"Nome"_s + QString::number(i);
        card.CodFisc = u"RSSMRA70A01F%1X"_s.arg(i % 1000, 3, 10, QChar(u'0'));
        card.Zona = i % 3 ? u"Milano"_s : u"Roma"_s;
        card.Recapito = u"02 %1"_s.arg(i);
        card.Note = u"Cliente numero %1"_s.arg(i);
        card.Scadenza = first.addDays(i % 730).toString(u"dd/MM/yyyy"_s);
        card.Preavviso = QString::number(i % 30);
        card.Rata = u"125,50"_s;
        card.Acquisto = u"Cucina"_s;
        if (file.write(card.toBytes()) != TSchedaAnagrafica::RecordSize)
            return false;
    }
    return file.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString given = YearFileArgument(QCoreApplication::arguments(), Usage);

    // Nothing lands in the program's own folder.
    QTemporaryDir dir;
    SetProgramFolder(dir.path());

    const QString yearFile = MeasuredYearFile("Search bench", given, dir.path(), SampleCards, PresenceToday());
    if (yearFile.isEmpty())
        return 1;

    QElapsedTimer timer;
    timer.start();
    try {
        timer.restart();
        const ListedLines all = SearchVisits(yearFile, SearchCriteria(QStringList(10)));
        PrintTime("visit search, no box filled", timer.restart());
        PrintCount("lines", all.lines.size());
        const ListedLines some = SearchVisits(yearFile, SearchCriteria(boxes(2, u"ross"_s)));
        PrintTime("visit search, part of a surname", timer.restart());
        PrintCount("lines", some.lines.size());
        if (!all.lines.isEmpty()) {
            const qsizetype middle = all.lines.size() / 2;
            FindVisitSearchCard(yearFile, all.lines.at(middle), all.positions.at(middle));
            PrintTime("double-click: the card at its listed position", timer.restart());
            FindVisitSearchCard(yearFile, all.lines.at(middle), 0);
            PrintTime("double-click, stale position: the whole file", timer.restart());
        }

        timer.restart();
        if (!writeSampleRegistry(SampleClients)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(ClientFilePath()));
            return 1;
        }
        std::printf("Made-up registry\n");
        PrintTime("write the registry", timer.restart());
        PrintCount("cards in the registry", SampleClients);
        const ListedLines clients = SearchClients(SearchCriteria(QStringList(10)));
        PrintTime("client search, no box filled", timer.restart());
        PrintCount("lines", clients.lines.size());
        const ListedLines rossi = SearchClients(SearchCriteria(boxes(0, u"ROSSI1"_s)));
        PrintTime("client search, part of a surname", timer.restart());
        PrintCount("lines", rossi.lines.size());
        const qsizetype middle = clients.lines.size() / 2;
        FindClientSearchCard(clients.lines.at(middle), 0);
        PrintTime("double-click, stale position: the whole registry", timer.restart());
        const ListedLines due = ReadInstalmentsDue(QDate(2024, 12, 31));
        PrintTime("instalments due", timer.restart());
        PrintCount("lines", due.lines.size());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "cannot read: %s\n", error.what());
        return 1;
    }
    return 0;
}
