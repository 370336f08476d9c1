#pragma once
// One client card of the registry as the registry file holds it: 51 text fields in a record of 4043 bytes.

#include "storage/FieldTable.h"
#include "storage/TextRecord.h"

#include <QString>

// The fields of a client card in stored order; each value is the field's index.
enum class ClientField {
    Cognome,
    Nome,
    CodFisc,
    Sesso,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    Iva,
    Indirizzo,
    Cap,
    ComuneRes,
    ProvRes,
    Stato,
    Familiari,
    Recapito,
    TelCasa,
    TelCel,
    TelUff,
    Fax,
    Email,
    Qualifiche,
    Professione,
    Iban,
    Intestatario,
    Banca,
    Carta,
    ScadeCarta,
    Prodotti,
    Pagamento,
    Note,
    TipoDoc,
    NumDoc,
    EnteRil,
    DataRil,
    DataSca,
    Codice,
    Categoria,
    Zona,
    Acquisto,
    Decorrenza,
    Scadenza,
    Preavviso,
    Totale,
    Frazionamento,
    Rata,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
};

struct TSchedaAnagrafica : TextRecord<TSchedaAnagrafica, ClientField, 51, 4043>
{
    QString Cognome;
    QString Nome;
    QString CodFisc;
    QString Sesso;
    QString DataNasc;
    QString ComuneNasc;
    QString ProvNasc;
    QString Iva;
    QString Indirizzo;
    QString Cap;
    QString ComuneRes;
    QString ProvRes;
    QString Stato;
    QString Familiari;
    QString Recapito;
    QString TelCasa;
    QString TelCel;
    QString TelUff;
    QString Fax;
    QString Email;
    QString Qualifiche;
    QString Professione;
    QString Iban;
    QString Intestatario;
    QString Banca;
    QString Carta;
    QString ScadeCarta;
    QString Prodotti;
    QString Pagamento;
    QString Note;
    QString TipoDoc;
    QString NumDoc;
    QString EnteRil;
    QString DataRil;
    QString DataSca;
    QString Codice;
    QString Categoria;
    QString Zona;
    QString Acquisto;
    QString Decorrenza;
    QString Scadenza;
    QString Preavviso;
    QString Totale;
    QString Frazionamento;
    QString Rata;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    // Name, capacity and offset of each field, by index: layout().name(i), capacity(i), offset(i).
    static const Layout &layout();

    bool operator==(const TSchedaAnagrafica &) const = default;
};
