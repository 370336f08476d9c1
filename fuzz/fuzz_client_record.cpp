// The client record decoder: any 4043 bytes, as a damaged or foreign registry file may hold them.

#include "FuzzSupport.h"

#include "storage/TSchedaAnagrafica.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TSchedaAnagrafica card;
    CheckRecordDecoding(data, size, card);
    return 0;
}
