#pragma once
// The people inside the premises right now, as the emergency roll-call lists them: every card of
// this year's file not yet out, plus the cards not yet out of last year's file entered in its
// last week (26/12 to 31/12), so a visitor who came in over the turn of the year is not left out.
// Those entered on an earlier day are kept apart: their exit may only have gone unrecorded.

#include "storage/TSchedaVisita.h"

#include <QDate>
#include <QList>
#include <QStringList>

struct PeopleInside
{
    // Both sorted by surname, then first name, ignoring case; otherwise in file order, last year
    // first. `people` holds every card not open from an earlier day: entered today, and also a card
    // whose entry date cannot be read, which a roll-call never leaves out.
    QList<TSchedaVisita> people;
    // Open from an earlier day (visits/UnrecordedExits.h): to be checked.
    QList<TSchedaVisita> toVerify;
    // The file names (such as "2026.vis") of the year files that could not be read to their end;
    // what was read before the failure is in the two lists.
    QStringList unreadableFiles;
};

// Reads the year files of `today`'s year and the year before in the program folder. A missing file
// holds nobody and is not created. Never throws.
PeopleInside ReadPeopleInside(const QDate &today);

// Whether a date as typed on a card falls in the last week of `year` (26/12 to 31/12), under the
// program's date rule; a date written without its year counts as of `year`.
bool IsInLastWeekOfYear(const QString &date, int year);
