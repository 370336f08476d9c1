#pragma once
// The visit register of one year (<program folder><yyyy>.vis): a file of TSchedaVisita records.
// Each user action opens it, does its work and closes it; every failure throws StorageError.
// Positions are 1-based and a record keeps its position for the life of the file.

#include "storage/FixedRecordFile.h"
#include "storage/RecordView.h"
#include "storage/TSchedaVisita.h"

#include <QString>

#include <functional>

using VisitRecordView = RecordView<TSchedaVisita>;

// The visit file of a year: <program folder><year>.vis.
QString VisitFilePath(const QString &year);

class VisitFile
{
public:
    VisitFile();

    // Creates a missing file empty; an existing file is never truncated.
    void OpenVisitFile(const QString &path);
    // Whole records; trailing bytes of an incomplete record are ignored.
    int VisitCount() const;
    // Afterwards the position is p. Throws when p is outside 1..VisitCount().
    TSchedaVisita ReadVisitAt(int position);
    // The record at the current position, which then advances by one; throws past the last record.
    TSchedaVisita ReadNextVisit();
    bool AtEndOfVisits() const;
    // Overwrites the record at p (1..VisitCount()), flushed to the disk; afterwards the position is p.
    void WriteVisitAt(int position, const TSchedaVisita &record);
    // Adds the record after the last one, flushed to the disk, and returns its position. Another copy of
    // the program appending at the same moment gets the next position, never the same one.
    int AppendVisit(const TSchedaVisita &record);
    // Callers close explicitly on success; the destructor closes after an exception.
    void CloseVisitFile();

private:
    FixedRecordFile m_file;
};

// Reads every record of the file at `path` in large blocks and calls `visit` with each one and its
// position, in file order, until `visit` returns false. Creates a missing file like OpenVisitFile.
void ScanVisits(const QString &path, const std::function<bool(const VisitRecordView &record, int position)> &visit);
