#include "register/VisitSearch.h"

#include "storage/ListedRecord.h"
#include "storage/VisitFile.h"

const QList<VisitField> &VisitSearchFields()
{
    using F = VisitField;
    static const QList<VisitField> fields { F::DataEnt, F::DataUsc, F::Cognome, F::Nome, F::CodFisc, F::TelCel,
        F::Tessera, F::NumDoc, F::Motivo, F::Note };
    return fields;
}

ListedLines SearchVisits(const QString &yearFile, const SearchCriteria &criteria)
{
    const QList<VisitField> &fields = VisitSearchFields();
    ListedLines found;
    ScanVisits(yearFile, [&](const VisitRecordView &card, int position) {
        if (criteria.matches([&](int box) { return card.field(fields.at(box)); })) {
            found.lines.append(VisitSearchLine(card));
            found.positions.append(position);
        }
        return true;
    });
    return found;
}

std::optional<PresenceCard> FindVisitSearchCard(const QString &yearFile, const QString &chosenLine, int listedPosition)
{
    return FindListedRecord<TSchedaVisita>(
        yearFile, chosenLine, listedPosition, 28, [](const auto &card) { return VisitSearchLine(card); });
}
