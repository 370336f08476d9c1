#pragma once
// The visit register of one year (<program folder><yyyy>.vis): a file of TSchedaVisita records,
// used through the operations of RecordFile under the visit register's names.

#include "storage/RecordFile.h"
#include "storage/TSchedaVisita.h"

#include <QString>

using VisitRecordView = RecordView<TSchedaVisita>;

// The visit file of a year: <program folder><year>.vis.
QString VisitFilePath(const QString &year);
// A year as a year box must hold it to name a visit file: four digits and nothing else (pasted text
// passes the boxes' digit filter).
bool IsVisitYear(const QString &typed);

class VisitFile : private RecordFile<TSchedaVisita>
{
public:
    using RecordFile::Access;
    void OpenVisitFile(const QString &path, Access access = Access::ReadWrite) { open(path, access); }
    int VisitCount() const { return count(); }
    TSchedaVisita ReadVisitAt(int position) { return readAt(position); }
    TSchedaVisita ReadNextVisit() { return readNext(); }
    bool AtEndOfVisits() const { return atEnd(); }
    void WriteVisitAt(int position, const TSchedaVisita &record) { writeAt(position, record); }
    int AppendVisit(const TSchedaVisita &record) { return append(record); }
    void CloseVisitFile() { close(); }
};

// RecordFile::scan of the year file at `path`.
inline void ScanVisits(const QString &path, const RecordFile<TSchedaVisita>::Visitor &visit)
{
    RecordFile<TSchedaVisita>::scan(path, visit);
}
