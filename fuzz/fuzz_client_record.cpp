// The client record decoder: any 4043 bytes, as a damaged or foreign registry file may hold them.

#include "FuzzSupport.h"

#include "clients/ClientSearch.h"
#include "clients/InstalmentsDue.h"
#include "storage/TSchedaAnagrafica.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TSchedaAnagrafica card;
    const QByteArray bytes = CheckRecordDecoding(data, size, card);

    // The search and the instalments due build the same line from the scans' view as from the record.
    const RecordView<TSchedaAnagrafica> view(bytes.constData());
    FUZZ_CHECK(ClientSearchLine(view) == ClientSearchLine(card));
    FUZZ_CHECK(InstalmentDueLine(view) == InstalmentDueLine(card));
    (void)InstalmentNoticeDay(card.Scadenza, card.Preavviso);
    return 0;
}
