// The visit record decoder: any 792 bytes, as a damaged or foreign year file may hold them.

#include "FuzzSupport.h"

#include "register/PresenceLines.h"
#include "storage/RecordView.h"
#include "storage/TSchedaVisita.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.size() < TSchedaVisita::RecordSize)
        bytes.append(QByteArray(TSchedaVisita::RecordSize - bytes.size(), '\0'));
    const TSchedaVisita card = TSchedaVisita::fromBytes(bytes);

    // Every field stays within its capacity and comes back trimmed.
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
        FUZZ_CHECK(card.field(i).size() <= TSchedaVisita::layout().capacity(i));
        FUZZ_CHECK(card.field(i).isEmpty() || (card.field(i).front().unicode() > 32 && card.field(i).back().unicode() > 32));
    }

    // A card read and saved unchanged is the same card when read again.
    const QByteArray stored = card.toBytes();
    FUZZ_CHECK(stored.size() == TSchedaVisita::RecordSize);
    FUZZ_CHECK(TSchedaVisita::fromBytes(stored) == card);

    // The scans' view decodes each field as the whole record does.
    const RecordView<TSchedaVisita> view(bytes.constData());
    FUZZ_CHECK(view.toRecord() == card);
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
        const auto field = VisitField(i);
        FUZZ_CHECK(view.field(field) == card.field(i));
        FUZZ_CHECK(view.isEmpty(field) == card.field(i).isEmpty());
    }
    // The lists build the same line from the view as from the record.
    for (PresenceKind kind : { PresenceKind::NonUsciti, PresenceKind::EntratiOggi, PresenceKind::UscitiOggi }) {
        FUZZ_CHECK(PresenceLine(kind, view) == PresenceLine(kind, card));
        FUZZ_CHECK(IsPresenceListed(kind, view, card.DataEnt) == IsPresenceListed(kind, card, card.DataEnt));
        FUZZ_CHECK(IsPresenceListed(kind, view, card.DataUsc) == IsPresenceListed(kind, card, card.DataUsc));
    }
    FUZZ_CHECK(VisitSearchLine(view) == VisitSearchLine(card));
    return 0;
}
