#pragma once
// What a client card chosen in the client search brings into the visit card, by the mode word the
// visit editor opened the search with: the visitor's data, or the operator of the entry or exit.

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

// The visit card's boxes the chosen client card fills and their new texts, each taken trimmed from
// the client card: "visitatore" gives the visitor's seven boxes, "operatore_ent" and
// "operatore_usc" the surname, one blank and the first name as the entry's or the exit's operator.
// Any other word (compared trimmed, exactly) fills nothing.
QList<VisitImportValue> VisitImportFor(const QString &mode, const TSchedaAnagrafica &client);
