// Several desks saving new cards into one year file at the same moment, each save its own
// open-append-close action, while one more copy writes exits: prints the cards per second and
// checks that none is lost.

#include "Desks.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (const std::optional<int> status = Desks::runChild(app.arguments()))
        return *status;
    const QStringList arguments = app.arguments();
    int perDesk = 10000;
    if (arguments.size() == 2 && arguments.at(1) != u"--help"_s)
        perDesk = arguments.at(1).toInt();
    if (arguments.size() > 2 || arguments.value(1) == u"--help"_s || perDesk <= 0) {
        std::printf("usage: bench_many_desks [CARDS_PER_DESK]   (default 10000)\n"
                    "Two, then four desks append that many cards each to a made-up year file in a\n"
                    "temporary folder while one more copy writes exits.\n");
        return arguments.value(1) == u"--help"_s ? 0 : 2;
    }

    int status = 0;
    for (int desks : { 1, 2, 4 }) {
        QTemporaryDir dir;
        const Desks::Outcome outcome
            = Desks::run(app.applicationFilePath(), dir.filePath(u"2026.vis"_s), desks, perDesk);
        std::printf("%d desk%s x %d cards: %.1f s, %.0f cards/s, %d exits written meanwhile, %s\n", desks,
            desks == 1 ? "" : "s", perDesk, outcome.seconds, outcome.cards / outcome.seconds, outcome.exits,
            outcome.problem.isEmpty() ? "0 lost" : qPrintable(outcome.problem));
        std::fflush(stdout);
        if (!outcome.problem.isEmpty())
            status = 1;
    }
    return status;
}
