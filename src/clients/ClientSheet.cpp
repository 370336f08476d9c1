#include "clients/ClientSheet.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

QList<ClientSheetRow> ClientSheetRows(const TSchedaAnagrafica &raw)
{
    TSchedaAnagrafica c;
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i)
        c.field(i) = TrimText(raw.field(i));
    return {
        { u"Cognome e nome:"_s, c.Cognome + u" "_s + c.Nome },
        { u"Data di nascita:"_s, c.DataNasc },
        { u"Comune di nascita:"_s, c.ComuneNasc + u" "_s + c.ProvNasc },
        { u"Sesso:"_s, c.Sesso + u"  Stato civile: "_s + c.Stato },
        { u"Recapito preferenziale:"_s, c.Recapito },
        { u"Indirizzo di residenza:"_s, c.Indirizzo },
        { u"Comune di residenza:"_s, c.ComuneRes + u" "_s + c.ProvRes },
        { u"Professione:"_s, c.Professione },
        { u"Tel. casa:"_s, c.TelCasa },
        { u"Tel. ufficio:"_s, c.TelUff },
        { u"Tel. cellulare:"_s, c.TelCel },
        { u"Fax:"_s, c.Fax },
        { u"E-mail:"_s, c.Email },
        { u"Codice fiscale:"_s, c.CodFisc },
        { u"Partita IVA:"_s, c.Iva },
        { u"Carta di credito:"_s, u"N. "_s + c.Carta + u"  Scadenza: "_s + c.ScadeCarta },
        { u"IBAN:"_s, c.Iban + u"  -  Intestatario C/C: "_s + c.Intestatario },
        { u"Estremi documento:"_s, u"Tipo: "_s + c.TipoDoc + u"  N. "_s + c.NumDoc + u"  Scadenza: "_s + c.DataSca },
        { u"Codice Cliente:"_s, c.Codice },
        { u"Categoria:"_s, c.Categoria + u"  Zona: "_s + c.Zona },
        { u"Prodotti e servizi di interesse:"_s, c.Prodotti },
        { u"Acquisto rateale"_s, c.Acquisto + u"  Importo rata: € "_s + c.Rata },
        { u"Totale:"_s,
            u"Importo: € "_s + c.Totale + u"  Decorrenza: "_s + c.Decorrenza + u"  Scadenza: "_s + c.Scadenza },
        { u"Note:"_s, c.Note },
    };
}
