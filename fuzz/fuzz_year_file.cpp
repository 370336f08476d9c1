// A year file of any content, read as every screen reads it: the record operations, the scan, the
// three presence lists and the card found again behind a chosen line; then a card appended to it.

#include "FuzzSupport.h"

#include "base/ListText.h"
#include "base/SearchCriteria.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "visits/PresenceLines.h"
#include "visits/VisitSearch.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = ScratchFolder().filePath(u"2026.vis"_s);
    WriteScratchFile(path, reinterpret_cast<const char *>(data), size);
    const int whole = int(size / TSchedaVisita::RecordSize);

    // Whole records only, in file order, each as the scan and the sequential reads give it.
    QList<TSchedaVisita> cards;
    VisitFile::scan(path, [&](const VisitRecordView &card, int position) {
        FUZZ_CHECK(position == cards.size() + 1);
        cards.append(card.toRecord());
        return true;
    });
    FUZZ_CHECK(cards.size() == whole);
    {
        VisitFile file;
        file.open(path);
        FUZZ_CHECK(file.count() == whole);
        for (int i = 1; i <= whole; ++i)
            FUZZ_CHECK(file.readAt(i) == cards.at(i - 1));
        bool pastTheEnd = false;
        try {
            file.readAt(whole + 1);
        } catch (const StorageError &) {
            pastTheEnd = true;
        }
        FUZZ_CHECK(pastTheEnd);
        if (whole > 0)
            FUZZ_CHECK(file.readAt(whole) == cards.last());
        file.close();
    }

    // Each list: every line found again, by its position and by its text alone.
    const QString today = cards.isEmpty() ? u"07/03/2026"_s : cards.first().DataEnt;
    for (PresenceKind kind : { PresenceKind::NonUsciti, PresenceKind::EntratiOggi, PresenceKind::UscitiOggi }) {
        bool complete = false;
        const ListedLines read = ListPresenceLines(kind, path, today, &complete).toListed();
        FUZZ_CHECK(complete);
        FUZZ_CHECK(read.lines.size() == read.positions.size());
        for (qsizetype i = 0; i < read.lines.size() && i < 8; ++i) {
            const int position = read.positions.at(i);
            FUZZ_CHECK(position >= 1 && position <= whole);
            const auto byPosition = FindPresenceCard(kind, path, read.lines.at(i), position);
            FUZZ_CHECK(byPosition && byPosition->position == position && byPosition->card == cards.at(position - 1));
            const auto byText = FindPresenceCard(kind, path, read.lines.at(i), 0);
            FUZZ_CHECK(byText && SameListLine(PresenceLine(kind, byText->card), read.lines.at(i)));
        }
    }

    // The visit search: blank criteria list every card, and each line leads back to its card.
    const QStringList boxes(VisitSearchFields().size());
    QStringList bySurname = boxes;
    if (!cards.isEmpty())
        bySurname[0] = cards.first().Cognome;
    for (const QStringList &typed : { boxes, bySurname }) {
        const ListedLines found = SearchVisits(path, SearchCriteria(typed));
        FUZZ_CHECK(found.lines.size() == found.positions.size());
        if (typed == boxes)
            FUZZ_CHECK(found.lines.size() == whole);
        for (qsizetype i = 0; i < found.lines.size() && i < 8; ++i) {
            const auto card = FindVisitSearchCard(path, found.lines.at(i), found.positions.at(i));
            FUZZ_CHECK(card && card->position == found.positions.at(i) && card->card == cards.at(card->position - 1));
        }
    }

    // An append lands after the last whole record, over any torn tail, and leaves the rest alone.
    TSchedaVisita added;
    added.Cognome = u"Nuovo"_s;
    VisitFile file;
    file.open(path);
    FUZZ_CHECK(file.append(added) == whole + 1);
    FUZZ_CHECK(file.readAt(whole + 1) == added);
    file.close();
    FUZZ_CHECK(QFileInfo(path).size() == qint64(whole + 1) * TSchedaVisita::RecordSize);
    QFile check(path);
    FUZZ_CHECK(check.open(QIODevice::ReadOnly));
    FUZZ_CHECK(check.read(qint64(whole) * TSchedaVisita::RecordSize)
        == QByteArray::fromRawData(reinterpret_cast<const char *>(data), whole * TSchedaVisita::RecordSize));
    return 0;
}
