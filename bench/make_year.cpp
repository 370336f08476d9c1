// Writes a realistic made-up year file (WriteRealisticYearFile) for the benches and for comparing
// two builds' lists: bench/compare.sh, bench_scan, list_outputs.

#include "BenchYearFile.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const char Usage[] = "Usage: make_year YEARFILE CARDS DD/MM/YYYY [SEED]\n"
                     "  Writes CARDS made-up visit cards to YEARFILE (replacing it), spread over the year of\n"
                     "  DD/MM/YYYY, the day the presence lists take as today.\n";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    bool ok = false;
    const int cards = args.at(1).toInt(&ok);
    const QDate today = QDate::fromString(args.at(2), u"dd/MM/yyyy"_s);
    if (!ok || cards < 0 || !today.isValid()) {
        std::fprintf(stderr, "%s", Usage);
        return 2;
    }
    const unsigned seed = args.size() == 4 ? args.at(3).toUInt() : 2024u;
    if (!WriteRealisticYearFile(args.at(0), cards, today, seed)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(0)));
        return 1;
    }
    return 0;
}
