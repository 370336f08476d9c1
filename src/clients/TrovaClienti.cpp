#include "clients/TrovaClienti.h"

#include "clients/ClientSearch.h"
#include "output/ListReport.h"

using namespace Qt::StringLiterals;

namespace {

QList<SearchCriteriaPanel::Box> criteriaBoxes()
{
    const QStringList labels { u"Cognome:"_s, u"Nome:"_s, u"Codice Cliente:"_s, u"Categoria:"_s, u"Codice fiscale:"_s,
        u"Partita IVA:"_s, u"Zona di appartenenza:"_s, u"Prodotti e servizi di interesse:"_s,
        u"Acquisto rateale effettuato:"_s, u"Note:"_s };
    return SearchCriteriaPanel::boxesOf<TSchedaAnagrafica>(ClientSearchFields(), labels);
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent)
    : SearchDialog(u"TfrmTrovaClienti"_s, u" Trova Visitatori in archivio"_s, criteriaBoxes(),
        u":/img/tile_anagrafica.svg"_s, parent)
{ }

LineStore TfrmTrovaClienti::search(const SearchCriteria &criteria)
{
    const ListedLines found = SearchClients(criteria);
    return LineStore::fromLines(found.lines, found.positions);
}

void TfrmTrovaClienti::takeLine(const QString &line, int listedPosition)
{
    if (mode() && *mode() != SearchMode::Registro)
        m_chosen = FindClientSearchCard(line, listedPosition);
}

void TfrmTrovaClienti::printLines(const QStringList &lines)
{
    PrintListReport(this, u"Riepilogo Visitatori in archivio"_s, lines);
}
