#pragma once
// Visits whose exit was never written: still open (blank exit date) although they were entered on
// an earlier day. Found in this year's file and last year's, and closed on purpose as exits that
// were not recorded: the exit date is the entry date, no time, "Non registrata" as the operator.

#include "storage/VisitFile.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>

// The operator of exit written on a visit closed this way.
inline constexpr char UnrecordedExitOperator[] = "Non registrata";

struct UnrecordedExit
{
    QString yearFile; // the year file's path
    int year = 0; // the year the file is of
    int position = 0;
    // The line the list of those not yet out shows for the card.
    QString line;
    QDate entered;
    QTime enteredAt; // invalid when the stored time cannot be read
};

// The entry day of a card of `year`'s file under the program's date rule, from the entry date's
// stored bytes; a date written without its year is of the file's year.
std::optional<QDate> VisitEntryDay(QByteArrayView storedDate, int year);

// Blank exit date and entry day before `today`.
bool IsOpenFromEarlierDay(const VisitRecordView &card, int year, const QDate &today);

// The visits open from an earlier day in last year's file and this one's, oldest first: last
// year's first, each year by entry day and then time (a time that cannot be read after the others),
// equal ones in file order. A missing file holds none and is not created. Throws StorageError
// when a file cannot be read.
QList<UnrecordedExit> FindUnrecordedExits(const QDate &today);

// How one chosen visit went.
enum class ExitClosing {
    Written,
    // No longer open from an earlier day when read again (another desk closed it): left as it is.
    AlreadyClosed,
};

// Closes the chosen visits in place: each card read again just before its write, and written only
// while it is still open from an earlier day, every byte but those of the three exit fields kept.
// `settled`, when given, hears about each chosen visit (by its index in `chosen`) as soon as it is
// done. Returns how many cards were written. Throws StorageError when a file cannot be read or
// written, and WorkCancelled between two cards once a work it runs under is cancelled; the cards
// written before either stay written.
int CloseUnrecordedExits(const QList<UnrecordedExit> &chosen, const QDate &today,
    const std::function<void(qsizetype index, ExitClosing outcome)> &settled = {});
