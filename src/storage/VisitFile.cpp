#include "storage/VisitFile.h"

#include "base/ProgramFolder.h"

using namespace Qt::StringLiterals;

QString VisitFilePath(const QString &year)
{
    return ProgramFolder() + year + u".vis"_s;
}

VisitFile::VisitFile()
    : m_file(TSchedaVisita::RecordSize)
{ }

void VisitFile::OpenVisitFile(const QString &path)
{
    m_file.open(path);
}

int VisitFile::VisitCount() const
{
    return m_file.count();
}

TSchedaVisita VisitFile::ReadVisitAt(int position)
{
    return TSchedaVisita::fromBytes(m_file.readAt(position));
}

TSchedaVisita VisitFile::ReadNextVisit()
{
    return TSchedaVisita::fromBytes(m_file.readNext());
}

bool VisitFile::AtEndOfVisits() const
{
    return m_file.atEnd();
}

void VisitFile::WriteVisitAt(int position, const TSchedaVisita &record)
{
    m_file.writeAt(position, record.toBytes());
}

int VisitFile::AppendVisit(const TSchedaVisita &record)
{
    return m_file.append(record.toBytes());
}

void VisitFile::CloseVisitFile()
{
    m_file.close();
}

void ScanVisits(const QString &path, const std::function<bool(const VisitRecordView &record, int position)> &visit)
{
    FixedRecordFile::scan(path, TSchedaVisita::RecordSize,
        [&visit](const char *record, int position) { return visit(VisitRecordView(record), position); });
}
