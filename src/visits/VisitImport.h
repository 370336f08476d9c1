#pragma once
// What a client card chosen in the client search brings into the visit card, by the role it is
// taken for: the visitor's data, or the operator of the entry or exit.

#include "storage/TSchedaAnagrafica.h"
#include "storage/TSchedaVisita.h"

#include <QList>
#include <QString>

struct VisitImportValue
{
    VisitField field;
    QString text;

    bool operator==(const VisitImportValue &) const = default;
};

enum class ImportRole { Visitatore, OperatoreEnt, OperatoreUsc };

// The visit card's boxes the chosen client card fills and their new texts, each taken trimmed from
// the client card: the visitor's seven boxes, or the surname, one blank and the first name as the
// entry's or the exit's operator.
QList<VisitImportValue> VisitImportFor(ImportRole role, const TSchedaAnagrafica &client);
