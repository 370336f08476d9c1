#pragma once
// The emergency roll-call: the list of the people inside, printed at once on the default printer
// (F12 anywhere, or the start menu's emergency picture), for the evacuation of the premises.

#include "output/ReportLayout.h"
#include "visits/PeopleInside.h"

#include <QDateTime>

class QWidget;

// Reads who is inside, prints the list without the print dialog and tells the operator how many
// people it lists, how many are to be checked and which year files could not be read.
void PrintEmergencyList(QWidget *owner);

// The filled layout, A4 portrait: title, time of printing, count, a warning line for each year file
// that could not be read, then one row per person, its name wrapped within the page, that never
// splits across pages. The visits open from an earlier day follow, when there are any, under their
// own heading and count, in rows of the same kind.
ReportLayout BuildEmergencyReport(const PeopleInside &inside, const QDateTime &printed);
