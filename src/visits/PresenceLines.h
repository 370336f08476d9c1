#pragma once
// The three presence lists of the visit register as plain rules: which cards each one lists (the
// line it shows for a card is in storage/VisitLines.h), the title it prints, and the card found
// again behind a chosen line.

#include "base/ListText.h"
#include "storage/LineStore.h"
#include "storage/RecordFile.h"
#include "storage/RecordView.h"
#include "storage/TSchedaVisita.h"
#include "storage/VisitLines.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Today as the lists compare it: dd/mm/yyyy from the program's clock.
QString PresenceToday();

bool IsPresenceListed(PresenceKind kind, const TSchedaVisita &card, const QString &today);
bool IsPresenceListed(PresenceKind kind, const RecordView<TSchedaVisita> &card, const QString &today);

// The title of the printed list; the lists of today carry the given date.
QString PresenceReportTitle(PresenceKind kind, const QString &today);

// Reads the year file from the first card to the last (a missing file is created empty) and
// builds the line of every listed card, each tagged with the card's position, in file order.
// Never throws: `complete`, when given, turns false when reading stopped at a failure.
LineStore ListPresenceLines(PresenceKind kind, const QString &yearFile, const QString &today, bool *complete = nullptr);

using PresenceCard = StoredRecord<TSchedaVisita>;

// The card behind a chosen line. First the card at `listedPosition`, the position the line was
// built from: when it still gives that line (compared trimmed) it is the one. When it does not (the
// file changed since the listing) or the position is outside the file, every card of the file,
// listed or not, has its line rebuilt and compared; the last equal one in file order wins. Nothing
// when no card gives that line. Throws StorageError when the file cannot be read.
std::optional<PresenceCard> FindPresenceCard(
    PresenceKind kind, const QString &yearFile, const QString &chosenLine, int listedPosition);
