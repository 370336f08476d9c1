#include "storage/TSchedaAnagrafica.h"

namespace {

using A = TSchedaAnagrafica;
using F = ClientField;

constexpr A::Layout ClientLayout = MakeFieldTable<A>({ {
    { F::Cognome, u"Cognome", &A::Cognome, 50 },
    { F::Nome, u"Nome", &A::Nome, 50 },
    { F::CodFisc, u"CodFisc", &A::CodFisc, 16 },
    { F::Sesso, u"Sesso", &A::Sesso, 1 },
    { F::DataNasc, u"DataNasc", &A::DataNasc, 10 },
    { F::ComuneNasc, u"ComuneNasc", &A::ComuneNasc, 50 },
    { F::ProvNasc, u"ProvNasc", &A::ProvNasc, 2 },
    { F::Iva, u"Iva", &A::Iva, 11 },
    { F::Indirizzo, u"Indirizzo", &A::Indirizzo, 50 },
    { F::Cap, u"Cap", &A::Cap, 5 },
    { F::ComuneRes, u"ComuneRes", &A::ComuneRes, 50 },
    { F::ProvRes, u"ProvRes", &A::ProvRes, 2 },
    { F::Stato, u"Stato", &A::Stato, 50 },
    { F::Familiari, u"Familiari", &A::Familiari, 250 },
    { F::Recapito, u"Recapito", &A::Recapito, 50 },
    { F::TelCasa, u"TelCasa", &A::TelCasa, 50 },
    { F::TelCel, u"TelCel", &A::TelCel, 50 },
    { F::TelUff, u"TelUff", &A::TelUff, 50 },
    { F::Fax, u"Fax", &A::Fax, 50 },
    { F::Email, u"Email", &A::Email, 50 },
    { F::Qualifiche, u"Qualifiche", &A::Qualifiche, 250 },
    { F::Professione, u"Professione", &A::Professione, 50 },
    { F::Iban, u"Iban", &A::Iban, 27 },
    { F::Intestatario, u"Intestatario", &A::Intestatario, 50 },
    { F::Banca, u"Banca", &A::Banca, 50 },
    { F::Carta, u"Carta", &A::Carta, 50 },
    { F::ScadeCarta, u"ScadeCarta", &A::ScadeCarta, 10 },
    { F::Prodotti, u"Prodotti", &A::Prodotti, 250 },
    { F::Pagamento, u"Pagamento", &A::Pagamento, 120 },
    { F::Note, u"Note", &A::Note, 250 },
    { F::TipoDoc, u"TipoDoc", &A::TipoDoc, 50 },
    { F::NumDoc, u"NumDoc", &A::NumDoc, 50 },
    { F::EnteRil, u"EnteRil", &A::EnteRil, 50 },
    { F::DataRil, u"DataRil", &A::DataRil, 10 },
    { F::DataSca, u"DataSca", &A::DataSca, 10 },
    { F::Codice, u"Codice", &A::Codice, 30 },
    { F::Categoria, u"Categoria", &A::Categoria, 50 },
    { F::Zona, u"Zona", &A::Zona, 50 },
    { F::Acquisto, u"Acquisto", &A::Acquisto, 50 },
    { F::Decorrenza, u"Decorrenza", &A::Decorrenza, 10 },
    { F::Scadenza, u"Scadenza", &A::Scadenza, 10 },
    { F::Preavviso, u"Preavviso", &A::Preavviso, 3 },
    { F::Totale, u"Totale", &A::Totale, 15 },
    { F::Frazionamento, u"Frazionamento", &A::Frazionamento, 50 },
    { F::Rata, u"Rata", &A::Rata, 50 },
    { F::File01, u"File01", &A::File01, 250 },
    { F::File02, u"File02", &A::File02, 250 },
    { F::File03, u"File03", &A::File03, 250 },
    { F::Desc01, u"Desc01", &A::Desc01, 250 },
    { F::Desc02, u"Desc02", &A::Desc02, 250 },
    { F::Desc03, u"Desc03", &A::Desc03, 250 },
} });

static_assert(ClientLayout.offset(int(F::Iban)) == 1219 && ClientLayout.offset(int(F::Desc03)) == 3792);

} // namespace

const TSchedaAnagrafica::Layout &TSchedaAnagrafica::layout()
{
    return ClientLayout;
}
