#pragma once
// The registry of clients (<program folder>Visitatori.pro): a file of TSchedaAnagrafica records.
// Each user action opens it, does its work and closes it; every failure throws StorageError.
// Positions are 1-based and a record keeps its position for the life of the file.

#include "storage/FixedRecordFile.h"
#include "storage/RecordView.h"
#include "storage/TSchedaAnagrafica.h"

#include <QString>

#include <functional>

using ClientRecordView = RecordView<TSchedaAnagrafica>;

class ClientFile
{
public:
    ClientFile();

    // ProgramFolder() + "Visitatori.pro".
    static QString path();

    // Creates a missing file empty; an existing file is never truncated.
    void OpenClientFile();
    // Whole records; trailing bytes of an incomplete record are ignored.
    int ClientCount() const;
    // Afterwards the position is p. Throws when p is outside 1..ClientCount().
    TSchedaAnagrafica ReadClientAt(int position);
    // The record at the current position, which then advances by one; throws past the last record.
    TSchedaAnagrafica ReadNextClient();
    bool AtEndOfClients() const;
    // Overwrites the record at p (1..ClientCount()), flushed to the disk; afterwards the position is p.
    void WriteClientAt(int position, const TSchedaAnagrafica &record);
    // Adds the record after the last one, flushed to the disk, and returns its position. Another copy of
    // the program appending at the same moment gets the next position, never the same one.
    int AppendClient(const TSchedaAnagrafica &record);
    // Callers close explicitly on success; the destructor closes after an exception.
    void CloseClientFile();

private:
    FixedRecordFile m_file;
};

// Reads every record of the registry in large blocks and calls `visit` with each one and its position,
// in file order, until `visit` returns false. Creates a missing file like OpenClientFile.
void ScanClients(const std::function<bool(const ClientRecordView &record, int position)> &visit);
