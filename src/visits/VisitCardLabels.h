#pragma once
// The captions of the visit card's screen, shared by the editor and by the printouts that name a
// card's fields as the operator sees them.

#include "storage/TSchedaVisita.h"

#include <QString>

// The heading of the part of the card the field stands in: "INGRESSO", "VISITATORE" or "USCITA".
QString VisitFieldSection(VisitField field);

// The label beside the field's box, as the screen shows it ("Cognome:").
QString VisitFieldLabel(VisitField field);
