#include "storage/ClientFile.h"

#include "base/ProgramFolder.h"

using namespace Qt::StringLiterals;

ClientFile::ClientFile()
    : m_file(TSchedaAnagrafica::RecordSize)
{ }

QString ClientFile::path()
{
    return ProgramFolder() + u"Visitatori.pro"_s;
}

void ClientFile::OpenClientFile()
{
    m_file.open(path());
}

int ClientFile::ClientCount() const
{
    return m_file.count();
}

TSchedaAnagrafica ClientFile::ReadClientAt(int position)
{
    return TSchedaAnagrafica::fromBytes(m_file.readAt(position));
}

TSchedaAnagrafica ClientFile::ReadNextClient()
{
    return TSchedaAnagrafica::fromBytes(m_file.readNext());
}

bool ClientFile::AtEndOfClients() const
{
    return m_file.atEnd();
}

void ClientFile::WriteClientAt(int position, const TSchedaAnagrafica &record)
{
    m_file.writeAt(position, record.toBytes());
}

int ClientFile::AppendClient(const TSchedaAnagrafica &record)
{
    return m_file.append(record.toBytes());
}

void ClientFile::CloseClientFile()
{
    m_file.close();
}

void ScanClients(const std::function<bool(const ClientRecordView &record, int position)> &visit)
{
    FixedRecordFile::scan(ClientFile::path(), TSchedaAnagrafica::RecordSize,
        [&visit](const char *record, int position) { return visit(ClientRecordView(record), position); });
}
