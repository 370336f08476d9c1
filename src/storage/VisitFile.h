#pragma once
// The visit register of one year (<program folder><yyyy>.vis): a file of TSchedaVisita records.

#include "storage/RecordFile.h"
#include "storage/TSchedaVisita.h"

#include <QString>

using VisitFile = RecordFile<TSchedaVisita>;
using VisitRecordView = VisitFile::View;

// The visit file of a year: <program folder><year>.vis.
QString VisitFilePath(const QString &year);
// A year as a year box must hold it to name a visit file: four digits and nothing else (pasted text
// passes the boxes' digit filter).
bool IsVisitYear(const QString &typed);
// What the operator is told when a year box holds anything else.
QString VisitYearWarning();
