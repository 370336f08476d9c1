#include "visits/VisitSearch.h"

#include "storage/ListedRecord.h"
#include "storage/StoredText.h"
#include "storage/VisitFile.h"

const QList<VisitField> &VisitSearchFields()
{
    using F = VisitField;
    static const QList<VisitField> fields { F::DataEnt, F::DataUsc, F::Cognome, F::Nome, F::CodFisc, F::TelCel,
        F::Tessera, F::NumDoc, F::Motivo, F::Note };
    return fields;
}

LineStore ListVisitSearch(const QString &yearFile, const SearchCriteria &criteria)
{
    const QList<VisitField> &fields = VisitSearchFields();
    const FoldedCriteria folded(criteria);
    LineStore found;
    LineBytes line;
    VisitFile::scan(yearFile, [&](const VisitRecordView &card, int position) {
        if (folded.matches([&](int box) { return card.bytes(fields.at(box)); })) {
            VisitSearchLineBytes(card, line);
            found.append(line.view(), position);
        }
        return true;
    });
    return found;
}

ListedLines SearchVisits(const QString &yearFile, const SearchCriteria &criteria)
{
    return ListVisitSearch(yearFile, criteria).toListed();
}

std::optional<PresenceCard> FindVisitSearchCard(const QString &yearFile, const QString &chosenLine, int listedPosition)
{
    return FindListedRecord<TSchedaVisita>(
        yearFile, chosenLine, listedPosition, 28, [](const auto &card) { return VisitSearchLine(card); });
}
