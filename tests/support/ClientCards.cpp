#include "ClientCards.h"

#include "storage/ClientFile.h"

TSchedaAnagrafica ClientRecord(std::initializer_list<std::pair<ClientField, QString>> fields)
{
    TSchedaAnagrafica card;
    for (const auto &[field, value] : fields)
        card.field(field) = value;
    return card;
}

void AppendClients(const QList<TSchedaAnagrafica> &cards)
{
    ClientFile file;
    file.OpenClientFile();
    for (const TSchedaAnagrafica &card : cards)
        file.AppendClient(card);
    file.CloseClientFile();
}
