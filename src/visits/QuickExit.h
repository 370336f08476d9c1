#pragma once
// The exit recorded in one scan: the code printed on the receipt ("PV:<yyyy>:<position>") or the
// card's number typed by hand, read and applied to the card in place.

#include "storage/TSchedaVisita.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// What a scan names: the card's position, and the year when the receipt's code gave one.
struct ExitCode
{
    QString year; // four digits, or empty for a number typed alone
    QString number; // the digits as read
};

// The trimmed text as "PV:<yyyy>:<n>" in either case, or digits only; nothing for anything else.
std::optional<ExitCode> ParseExitCode(const QString &text);

struct QuickExit
{
    enum class Outcome { NoSuchCard, AlreadyClosed, Recorded };

    Outcome outcome = Outcome::NoSuchCard;
    int position = 0;
    TSchedaVisita card; // as stored now: with the new exit when Recorded
};

// Records the exit of the card at `number` of the visit file: DataUsc `today`, OraUsc `now`
// (hh:mm), OperatoreUsc `operatorName` when there is one, the card's own otherwise; every other byte
// of the record unchanged. A card whose exit is there already is left as it is. StorageError when
// the file cannot be read or written.
QuickExit RecordQuickExit(
    const QString &path, const QString &number, const QDate &today, const QTime &now, const QString &operatorName);
