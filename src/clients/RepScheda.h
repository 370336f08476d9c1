#pragma once
// repScheda, the client information sheet ("Scheda informativa"): one A4 portrait page with a
// title, 24 rows of a title and a value, and a closing bar with the moment of printing.

#include "output/ReportLayout.h"
#include "storage/TSchedaAnagrafica.h"

#include <QDateTime>

// The layout with its design texts.
ReportLayout MakeRepScheda();

// Sets every text of the sheet anew from the card, printed at the given moment.
void FillRepScheda(ReportLayout &layout, const TSchedaAnagrafica &card, const QDateTime &printedAt);
