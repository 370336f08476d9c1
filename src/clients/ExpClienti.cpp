#include "clients/ExpClienti.h"

#include "storage/ClientFile.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<GridColumn, 26> Columns { {
    { u"N.", 60, false }, // colNum
    { u"Cognome e nome Visitatore", 250, false }, // colDipendente
    { u"Codice fiscale", 150, false }, // colCodFisc
    { u"Data di nascita", 120, false }, // colDataNasc
    { u"Comune / Stato estero di nascita", 250, false }, // colComuneNasc
    { u"Partita IVA", 150, true }, // colIva
    { u"Indirizzo di residenza", 250, false }, // colIndirizzo
    { u"Comune di residenza", 250, true }, // colComuneRes
    { u"Recapito preferenziale", 200, false }, // colRecapito
    { u"Tel. casa", 200, true }, // colTelCasa
    { u"Tel. cellulare", 200, false }, // colTelCel
    { u"E-mail", 250, false }, // colEmail
    { u"Professione", 250, false }, // colProfessione
    { u"IBAN", 250, true }, // colIban
    { u"Intestatario C/C", 250, false }, // colIntestatario
    { u"Modalità di pagamento", 250, false }, // colPagamento
    { u"Prodotti e servizi di interesse", 300, false }, // colProdotti
    { u"Tipo documento", 250, true }, // colTipoDoc
    { u"Numero documento", 200, true }, // colNumDoc
    { u"Ente di rilascio", 250, true }, // colEnteRil
    { u"Data rilascio", 200, true }, // colDataRil
    { u"Data scadenza", 200, false }, // colDataSca
    { u"Codice Cliente", 250, true }, // colCodice
    { u"Categoria", 250, false }, // colCategoria
    { u"Zona di appartenenza", 250, false }, // colZona
    { u"Note", 300, true }, // colNote
} };

// The fields of the grid's columns 2 to 25; column 1 joins surname and first name.
constexpr std::array<ClientField, 24> ShownFields { {
    ClientField::CodFisc,
    ClientField::DataNasc,
    ClientField::ComuneNasc,
    ClientField::Iva,
    ClientField::Indirizzo,
    ClientField::ComuneRes,
    ClientField::Recapito,
    ClientField::TelCasa,
    ClientField::TelCel,
    ClientField::Email,
    ClientField::Professione,
    ClientField::Iban,
    ClientField::Intestatario,
    ClientField::Pagamento,
    ClientField::Prodotti,
    ClientField::TipoDoc,
    ClientField::NumDoc,
    ClientField::EnteRil,
    ClientField::DataRil,
    ClientField::DataSca,
    ClientField::Codice,
    ClientField::Categoria,
    ClientField::Zona,
    ClientField::Note,
} };

static_assert(Columns.size() == ShownFields.size() + 2);

} // namespace

TfrmExpClienti::TfrmExpClienti(QWidget *parent)
    : ExportScreen({ u"TfrmExpClienti"_s, u" Esporta archivio Visitatori in Microsoft Excel"_s, Columns, ClientExport,
                       HelpTopic::ExpClienti },
        parent)
{ }

void TfrmExpClienti::readCards(GridCells &cells) const
{
    ClientFile::scan(ClientFilePath(), [&cells](const ClientRecordView &card, int) {
        cells.add(card.field(ClientField::Cognome) + u' ' + card.field(ClientField::Nome));
        for (ClientField field : ShownFields)
            cells.add(card.field(field));
        return true;
    });
}
