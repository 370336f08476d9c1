// The visit record decoder: any 792 bytes, as a damaged or foreign year file may hold them.

#include "FuzzSupport.h"

#include "storage/TSchedaVisita.h"
#include "visits/PresenceLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TSchedaVisita card;
    const QByteArray bytes = CheckRecordDecoding(data, size, card);

    // The lists build the same line from the scans' view as from the record.
    const RecordView<TSchedaVisita> view(bytes.constData());
    for (PresenceKind kind : { PresenceKind::NonUsciti, PresenceKind::EntratiOggi, PresenceKind::UscitiOggi }) {
        FUZZ_CHECK(PresenceLine(kind, view) == PresenceLine(kind, card));
        FUZZ_CHECK(IsPresenceListed(kind, view, card.DataEnt) == IsPresenceListed(kind, card, card.DataEnt));
        FUZZ_CHECK(IsPresenceListed(kind, view, card.DataUsc) == IsPresenceListed(kind, card, card.DataUsc));
    }
    FUZZ_CHECK(VisitSearchLine(view) == VisitSearchLine(card));
    return 0;
}
