#pragma once
// How long visits are kept: a visit card older than the office's period is made anonymous in place,
// so the registers, summaries and charts still count it by its dates and reason, but nobody can
// tell who came.

#include "storage/TSchedaVisita.h"

#include <QDate>
#include <QString>

// The card without the person: position, entry and exit dates and times, both operators, reason
// and badge kept; Cognome "Anonimo"; name, fiscal code, document, phone and notes emptied.
TSchedaVisita AnonymisedVisit(const TSchedaVisita &card);
// Whether the card already holds nothing of the person (as AnonymisedVisit leaves it).
bool IsAnonymisedVisit(const TSchedaVisita &card);

struct RetentionCount
{
    int due = 0;
    // Cards that would otherwise be looked at (out, not anonymous) but whose entry date is no date:
    // they are never touched, and the office may want to look at them by hand.
    int unreadableDates = 0;
};

// The first day whose visits are still kept whole: today, `months` months back.
QDate RetentionCutOff(const QDate &today, int months);

// A card is due when its entry date, read by the program's date rule, is before `cutOff`, the
// visitor went out (an exit date), and it is not anonymous yet.
// Reads every year file of the program folder (<yyyy>.vis, oldest first) under the current
// WorkProgress, which may cancel it (WorkCancelled). A file that cannot be read throws
// StorageError, its file() the year file's name ("2026.vis").
RetentionCount CountDueVisits(const QDate &cutOff);

// Anonymises every due card, file by file, each card written on its own in place (read again just
// before, so a card another desk changed meanwhile is judged as it stands); returns how many.
// A file that cannot be read or written stops the work there with StorageError naming it as
// CountDueVisits does; the cards already written stay written. Cancelled, it stops between two
// cards the same way.
int AnonymiseDueVisits(const QDate &cutOff);
