// The client record decoder: any 4043 bytes, as a damaged or foreign registry file may hold them.

#include "FuzzSupport.h"

#include "storage/RecordView.h"
#include "storage/TSchedaAnagrafica.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.size() < TSchedaAnagrafica::RecordSize)
        bytes.append(QByteArray(TSchedaAnagrafica::RecordSize - bytes.size(), '\0'));
    const TSchedaAnagrafica card = TSchedaAnagrafica::fromBytes(bytes);

    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i) {
        FUZZ_CHECK(card.field(i).size() <= TSchedaAnagrafica::layout().capacity(i));
        FUZZ_CHECK(card.field(i).isEmpty() || (card.field(i).front().unicode() > 32 && card.field(i).back().unicode() > 32));
    }

    // A card read and saved unchanged is the same card when read again.
    const QByteArray stored = card.toBytes();
    FUZZ_CHECK(stored.size() == TSchedaAnagrafica::RecordSize);
    FUZZ_CHECK(TSchedaAnagrafica::fromBytes(stored) == card);

    const RecordView<TSchedaAnagrafica> view(bytes.constData());
    FUZZ_CHECK(view.toRecord() == card);
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i) {
        FUZZ_CHECK(view.field(ClientField(i)) == card.field(i));
        FUZZ_CHECK(view.isEmpty(ClientField(i)) == card.field(i).isEmpty());
    }
    return 0;
}
