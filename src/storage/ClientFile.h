#pragma once
// The registry of clients (<program folder>Visitatori.pro): a file of TSchedaAnagrafica records.

#include "storage/RecordFile.h"
#include "storage/TSchedaAnagrafica.h"

#include <QString>

using ClientFile = RecordFile<TSchedaAnagrafica>;
using ClientRecordView = ClientFile::View;
using ClientCard = StoredRecord<TSchedaAnagrafica>;

// ProgramFolder() + "Visitatori.pro".
QString ClientFilePath();
