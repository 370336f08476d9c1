// The list rules on any lines and keys: the name column, the sort order, the line comparison and
// the Trova of every list screen, on plain texts and on the list box's compact lines.

#include "FuzzSupport.h"

#include "base/FindInList.h"
#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "storage/LineStore.h"
#include "visits/PresenceLines.h"

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(0, 60);
    const int selected = input.ConsumeIntegralInRange(-2, 20);
    const QString key = TakeText(input, 20);
    QStringList lines;
    while (input.remaining_bytes() > 0 && lines.size() < 16)
        lines << TakeText(input, 60);

    const QString cognome = lines.value(0), nome = lines.value(1);
    FUZZ_CHECK(NameColumn(cognome, nome, width).size() == width);

    // The sort order is a total order, and the sort keeps each line with its tag.
    for (const QString &a : std::as_const(lines)) {
        FUZZ_CHECK(CompareListText(a, a) == 0);
        for (const QString &b : std::as_const(lines))
            FUZZ_CHECK(sign(CompareListText(a, b)) == -sign(CompareListText(b, a)));
    }
    QStringList sorted = lines;
    QList<int> tags;
    for (int i = 0; i < lines.size(); ++i)
        tags << i;
    SortListLines(sorted, tags);
    FUZZ_CHECK(sorted.size() == lines.size() && tags.size() == lines.size());
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        FUZZ_CHECK(sorted.at(i) == lines.at(tags.at(i)));
        if (i > 0) {
            const int order = CompareListText(sorted.at(i - 1), sorted.at(i));
            FUZZ_CHECK(order < 0 || (order == 0 && tags.at(i - 1) < tags.at(i)));
        }
    }
    for (const QString &line : std::as_const(lines))
        FUZZ_CHECK(SameListLine(line, TrimText(line)));

    // The list box holds its lines compactly: the same order, the same tags, the same matches.
    QList<int> given;
    for (int i = 0; i < lines.size(); ++i)
        given << i;
    LineStore store = LineStore::fromLines(lines, given);
    store.sort();
    FUZZ_CHECK(store.lines() == sorted && store.tags() == tags);
    const FoldedKey folded(LowerAZ(key));
    for (qsizetype i = 0; i < store.size(); ++i)
        FUZZ_CHECK(store.lineMatches(i, folded) == FindInList::lineMatches(sorted.at(i), LowerAZ(key)));

    // Trova finds a line holding the key, or keeps the selection; twice in a row moves on.
    FindInList finder;
    const QString lowered = LowerAZ(key);
    for (int press = 0; press < 3; ++press) {
        const FindInList::Result result = finder.find(sorted, selected, key);
        if (sorted.isEmpty()) {
            FUZZ_CHECK(result.outcome == FindInList::Outcome::EmptyList);
            break;
        }
        FUZZ_CHECK(result.row >= 0 && result.row < sorted.size());
        if (result.outcome == FindInList::Outcome::Found)
            FUZZ_CHECK(FindInList::lineMatches(sorted.at(result.row), lowered));
        else
            FUZZ_CHECK(std::none_of(sorted.begin(), sorted.end(),
                [&](const QString &line) { return FindInList::lineMatches(line, lowered); }));
    }
    return 0;
}
