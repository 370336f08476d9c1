#include "visits/ExpVisite.h"

#include "storage/VisitFile.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Column 0, then the sixteen fields of a card in stored order.
constexpr std::array<GridColumn, 17> Columns { {
    { u"N.", 60, false }, // colNum
    { u"Data ingresso", 120, false }, // colDataEnt
    { u"Ora ingresso", 120, true }, // colOraEnt
    { u"Operatore entrata", 250, false }, // colOperatoreEnt
    { u"Cognome Visitatore", 250, false }, // colCognome
    { u"Nome Visitatore", 250, true }, // colNome
    { u"Codice fiscale", 150, false }, // colCodFisc
    { u"Motivo della visita", 300, false }, // colMotivo
    { u"Numero tessera", 200, false }, // colTessera
    { u"Tipo documento", 250, true }, // colTipoDoc
    { u"Numero documento", 200, true }, // colNumDoc
    { u"Ente di rilascio", 250, true }, // colEnteRil
    { u"Tel. cellulare", 200, false }, // colTelCel
    { u"Note", 300, true }, // colNote
    { u"Data uscita", 120, true }, // colDataUsc
    { u"Ora uscita", 120, false }, // colOraUsc
    { u"Operatore uscita", 250, false }, // colOperatoreEsc
} };

static_assert(Columns.size() == TSchedaVisita::FieldCount + 1);

} // namespace

TfrmExpVisite::TfrmExpVisite(QWidget *parent)
    : ExportScreen({ u"TfrmExpVisite"_s, u" Esporta archivio visite in Microsoft Excel"_s, Columns, VisitExport,
                       HelpTopic::ExpVisite },
        parent)
{ }

void TfrmExpVisite::readCards(GridCells &cells) const
{
    VisitFile::scan(m_yearFile, [&cells](const VisitRecordView &card, int) {
        for (int field = 0; field < TSchedaVisita::FieldCount; ++field)
            cells.add(card.field(VisitField(field)));
        return true;
    });
}
