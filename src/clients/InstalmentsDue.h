#pragma once
// The list of instalments due as plain rules: which cards it lists on a given day, the line it shows
// for a card, and the card found again behind a line.

#include "base/ListText.h"
#include "storage/ClientFile.h"

#include <QDate>
#include <QString>

#include <optional>

// The first day a card is listed: its due date (Scadenza) minus its days of notice (Preavviso, a
// whole number). Nothing when either cannot be read.
std::optional<QDate> InstalmentNoticeDay(const QString &scadenza, const QString &preavviso);

// Surname and first name in 30, "  Tel. " and the preferred contact in 12, "  Scad. " and the due
// date in 10, "  Rata: € " and the instalment in 15, "  Acquisto: " and the purchase uncut.
QString InstalmentDueLine(const TSchedaAnagrafica &card);
QString InstalmentDueLine(const ClientRecordView &card);

// Reads the registry from the first card to the last (a missing file is created empty) and builds
// the line of every card with an instalment plan (a total or an instalment amount that is not
// nothing) whose notice day is `today` or earlier. A card whose due date or days of notice cannot
// be read is left out and the reading goes on. Never throws: a file that cannot be read
// gives the lines read so far, with `complete` false.
ListedLines ReadInstalmentsDue(const QDate &today);

// The card behind a chosen line, as FindListedRecord finds it (every card of the registry, due or
// not). Throws StorageError.
std::optional<ClientCard> FindInstalmentDueCard(const QString &chosenLine, int listedPosition);
