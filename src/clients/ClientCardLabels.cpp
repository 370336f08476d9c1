#include "clients/ClientCardLabels.h"

namespace {

// In stored order.
constexpr const char16_t *Labels[TSchedaAnagrafica::FieldCount] = {
    u"Cognome:",
    u"Nome:",
    u"Codice fiscale:",
    u"Sesso:",
    u"Data di nascita:",
    u"Comune di nascita:",
    u"Prov.",
    u"Partita IVA:",
    u"Via e numero civico:",
    u"CAP:",
    u"Comune di residenza:",
    u"Prov.",
    u"Stato civile:",
    u"Familiari a carico:",
    u"Recapito preferenziale:",
    u"Tel. casa:",
    u"Tel. cellulare:",
    u"Tel. ufficio:",
    u"Fax:",
    u"E-mail:",
    u"Titolo di studio:",
    u"Professione:",
    u"IBAN:",
    u"Intestatario C/C:",
    u"Banca:",
    u"Carta di credito n.",
    u"Scadenza:",
    u"Prodotti e servizi di interesse:",
    u"Modalità di pagamento:",
    u"Note:",
    u"Tipo di documento:",
    u"Numero:",
    u"Ente di rilascio:",
    u"Data di rilascio:",
    u"Data di scadenza:",
    u"Codice Cliente:",
    u"Categoria:",
    u"Zona di appartenenza:",
    u"Acquisto rateale effettuato:",
    u"Data decorrenza:",
    u"Prossima scadenza:",
    u"Giorni di preavviso:",
    u"Importo totale: €",
    u"Frazionamento:",
    u"Importo rata: €",
    u"Nome 1° file allegato:",
    u"Nome 2° file allegato:",
    u"Nome 3° file allegato:",
    u"Descrizione 1° file allegato:",
    u"Descrizione 2° file allegato:",
    u"Descrizione 3° file allegato:",
};

} // namespace

QString ClientFieldLabel(ClientField field)
{
    return QString::fromUtf16(Labels[std::size_t(field)]);
}
