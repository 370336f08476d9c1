#include "visits/TrovaVisite.h"

#include "output/ListReport.h"
#include "visits/VisitSearch.h"

using namespace Qt::StringLiterals;

namespace {

QList<SearchCriteriaPanel::Box> criteriaBoxes()
{
    const QStringList labels { u"Data ingresso:"_s, u"Data uscita:"_s, u"Cognome Visitatore:"_s, u"Nome Visitatore:"_s,
        u"Codice fiscale:"_s, u"Cellulare:"_s, u"Numero tessera:"_s, u"Numero documento:"_s, u"Motivo della visita:"_s,
        u"Note:"_s };
    return SearchCriteriaPanel::boxesOf<TSchedaVisita>(VisitSearchFields(), labels);
}

} // namespace

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent)
    : SearchDialog(
        u"TfrmTrovaVisite"_s, u" Trova visite in archivio"_s, criteriaBoxes(), u":/img/tile_registro.svg"_s, parent)
{ }

LineStore TfrmTrovaVisite::search(const SearchCriteria &criteria)
{
    return ListVisitSearch(m_yearFile, criteria);
}

void TfrmTrovaVisite::takeLine(const QString &line, int listedPosition)
{
    if (mode() == SearchMode::Registro)
        m_chosen = FindVisitSearchCard(m_yearFile, line, listedPosition);
}

void TfrmTrovaVisite::printLines(const QStringList &lines)
{
    PrintListReport(this, u"Riepilogo visite in archivio"_s, lines);
}
