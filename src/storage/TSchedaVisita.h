#pragma once
// One visit card as the year file holds it: sixteen text fields in a record of 792 bytes.

#include "storage/FieldTable.h"
#include "storage/TextRecord.h"

#include <QString>

// The fields of a visit card in stored order; each value is the field's index.
enum class VisitField {
    DataEnt,
    OraEnt,
    OperatoreEnt,
    Cognome,
    Nome,
    CodFisc,
    Motivo,
    Tessera,
    TipoDoc,
    NumDoc,
    EnteRil,
    TelCel,
    Note,
    DataUsc,
    OraUsc,
    OperatoreUsc,
};

struct TSchedaVisita : TextRecord<TSchedaVisita, VisitField, 16, 792>
{
    QString DataEnt; // dd/mm/yyyy
    QString OraEnt; // hh:nn
    QString OperatoreEnt;
    QString Cognome;
    QString Nome;
    QString CodFisc;
    QString Motivo;
    QString Tessera;
    QString TipoDoc;
    QString NumDoc;
    QString EnteRil;
    QString TelCel;
    QString Note;
    QString DataUsc; // empty while the visitor is inside
    QString OraUsc;
    QString OperatoreUsc;

    // Name, capacity and offset of each field, by index: layout().name(i), capacity(i), offset(i).
    static const Layout &layout();

    bool operator==(const TSchedaVisita &) const = default;
};
