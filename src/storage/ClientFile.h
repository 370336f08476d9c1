#pragma once
// The registry of clients (<program folder>Visitatori.pro): a file of TSchedaAnagrafica records,
// used through the operations of RecordFile under the registry's names.

#include "storage/RecordFile.h"
#include "storage/TSchedaAnagrafica.h"

#include <QString>

using ClientRecordView = RecordView<TSchedaAnagrafica>;
using ClientCard = StoredRecord<TSchedaAnagrafica>;

class ClientFile : private RecordFile<TSchedaAnagrafica>
{
public:
    // ProgramFolder() + "Visitatori.pro".
    static QString path();

    using RecordFile::Access;
    void OpenClientFile(Access access = Access::ReadWrite) { open(path(), access); }
    int ClientCount() const { return count(); }
    TSchedaAnagrafica ReadClientAt(int position) { return readAt(position); }
    TSchedaAnagrafica ReadNextClient() { return readNext(); }
    bool AtEndOfClients() const { return atEnd(); }
    void WriteClientAt(int position, const TSchedaAnagrafica &record) { writeAt(position, record); }
    int AppendClient(const TSchedaAnagrafica &record) { return append(record); }
    void CloseClientFile() { close(); }
};

// RecordFile::scan of the registry.
inline void ScanClients(const RecordFile<TSchedaAnagrafica>::Visitor &visit)
{
    RecordFile<TSchedaAnagrafica>::scan(ClientFile::path(), visit);
}
