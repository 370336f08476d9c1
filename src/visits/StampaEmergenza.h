#pragma once
// The emergency roll-call: the list of the people inside, printed at once on the default printer
// (F12 anywhere, or the start menu's emergency picture), for the evacuation of the premises.

#include "output/ReportLayout.h"
#include "storage/TSchedaVisita.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

class QWidget;

// Reads who is inside, prints the list without the print dialog and tells the operator how many
// people it lists and which year files could not be read.
void PrintEmergencyList(QWidget *owner);

// The filled layout, A4 portrait: title, time of printing, count, a warning line for each year file
// that could not be read, then one row per person, its name wrapped within the page, that never
// splits across pages.
ReportLayout BuildEmergencyReport(
    const QList<TSchedaVisita> &people, const QStringList &unreadableFiles, const QDateTime &printed);
