#include "clients/ClientSearch.h"

#include "base/TextFunctions.h"
#include "storage/ListedRecord.h"

using namespace Qt::StringLiterals;

namespace {

using F = ClientField;

template<typename Card> QString line(const Card &card)
{
    QString out = NameColumn(ListedField(card, F::Cognome), ListedField(card, F::Nome), 28);
    out += u"  C.F. "_s + FixedColumn(ListedField(card, F::CodFisc), 16);
    out += u"  Zona: "_s + FixedColumn(ListedField(card, F::Zona), 24);
    out += u"  Tel. "_s + FixedColumn(ListedField(card, F::Recapito), 14);
    return out + u"  Note: "_s + ListedField(card, F::Note);
}

} // namespace

const QList<ClientField> &ClientSearchFields()
{
    static const QList<ClientField> fields { F::Cognome, F::Nome, F::Codice, F::Categoria, F::CodFisc, F::Iva, F::Zona,
        F::Prodotti, F::Acquisto, F::Note };
    return fields;
}

QString ClientSearchLine(const TSchedaAnagrafica &card)
{
    return line(card);
}

QString ClientSearchLine(const ClientRecordView &card)
{
    return line(card);
}

ListedLines SearchClients(const SearchCriteria &criteria)
{
    const QList<ClientField> &fields = ClientSearchFields();
    ListedLines found;
    ClientFile::scan(ClientFilePath(), [&](const ClientRecordView &card, int position) {
        if (criteria.matches([&](int box) { return card.field(fields.at(box)); })) {
            found.lines.append(line(card));
            found.positions.append(position);
        }
        return true;
    });
    return found;
}

std::optional<ClientCard> FindClientSearchCard(const QString &chosenLine, int listedPosition)
{
    return FindListedRecord<TSchedaAnagrafica>(
        ClientFilePath(), chosenLine, listedPosition, 28, [](const auto &card) { return line(card); });
}
