#include "ClientCards.h"

#include "storage/ClientFile.h"

using namespace Qt::StringLiterals;

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
    file.open(ClientFilePath());
    for (const TSchedaAnagrafica &card : cards)
        file.append(card);
    file.close();
}

QString HandedOverMismatch(const std::optional<ClientCard> &chosen, int position, const QString &email)
{
    if (!chosen)
        return position == 0 ? QString() : u"nothing handed over"_s;
    if (chosen->position != position || chosen->card.Email != email)
        return u"card %1 (%2) handed over"_s.arg(chosen->position).arg(chosen->card.Email);
    return QString();
}
