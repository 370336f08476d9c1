#pragma once
// The captions of the client card's screens, shared by the editor, the attachments dialog and the
// printouts that name a card's fields as the operator sees them.

#include "storage/TSchedaAnagrafica.h"

#include <QString>

// The label over the field's box, as the screen shows it ("Cognome:", "Prov.", "Importo rata: €");
// for an attachment slot, the label of the attachments dialog ("Nome 1° file allegato:").
QString ClientFieldLabel(ClientField field);
