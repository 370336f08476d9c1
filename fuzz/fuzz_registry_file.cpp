// A registry file of any content, read through the record operations and the scan, then a card
// appended and one overwritten.

#include "FuzzSupport.h"

#include "base/ProgramFolder.h"
#include "base/SearchCriteria.h"
#include "clients/ClientSearch.h"
#include "clients/InstalmentsDue.h"
#include "storage/ClientFile.h"
#include "storage/StorageError.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SetProgramFolder(ScratchFolder().path());
    const QString path = ClientFilePath();
    WriteScratchFile(path, reinterpret_cast<const char *>(data), size);
    const int whole = int(size / TSchedaAnagrafica::RecordSize);

    QList<TSchedaAnagrafica> cards;
    ClientFile::scan(ClientFilePath(), [&](const ClientRecordView &card, int position) {
        FUZZ_CHECK(position == cards.size() + 1);
        cards.append(card.toRecord());
        return true;
    });
    FUZZ_CHECK(cards.size() == whole);

    // The client search with blank criteria lists every card, and the instalments due list the
    // cards whose notice day has come; each line leads back to its card.
    const ListedLines found = SearchClients(SearchCriteria(QStringList(ClientSearchFields().size())));
    FUZZ_CHECK(found.lines.size() == whole && found.positions.size() == whole);
    for (qsizetype i = 0; i < found.lines.size() && i < 8; ++i) {
        const auto card = FindClientSearchCard(found.lines.at(i), found.positions.at(i));
        FUZZ_CHECK(card && card->position == found.positions.at(i) && card->card == cards.at(card->position - 1));
    }
    const ListedLines due = ReadInstalmentsDue(QDate(2026, 3, 7));
    FUZZ_CHECK(due.lines.size() == due.positions.size() && due.lines.size() <= whole);
    for (qsizetype i = 0; i < due.lines.size() && i < 8; ++i) {
        const auto card = FindInstalmentDueCard(due.lines.at(i), due.positions.at(i));
        FUZZ_CHECK(card && card->position == due.positions.at(i) && card->card == cards.at(card->position - 1));
    }

    ClientFile file;
    file.open(ClientFilePath());
    FUZZ_CHECK(file.count() == whole);
    for (int i = 1; i <= whole; ++i)
        FUZZ_CHECK(file.readAt(i) == cards.at(i - 1));
    bool outside = false;
    try {
        file.readAt(whole + 1);
    } catch (const StorageError &) {
        outside = true;
    }
    FUZZ_CHECK(outside);

    // A stored card saved again unchanged reads back the same; a new one lands after the last
    // whole record, over any torn tail.
    if (whole > 0) {
        file.writeAt(1, cards.first());
        FUZZ_CHECK(file.readAt(1) == cards.first());
    }
    TSchedaAnagrafica added;
    added.Cognome = u"Nuovo"_s;
    FUZZ_CHECK(file.append(added) == whole + 1);
    FUZZ_CHECK(file.readAt(whole + 1) == added);
    file.close();
    FUZZ_CHECK(QFileInfo(path).size() == qint64(whole + 1) * TSchedaAnagrafica::RecordSize);
    return 0;
}
