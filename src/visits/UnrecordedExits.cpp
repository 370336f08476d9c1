#include "visits/UnrecordedExits.h"

#include "base/TextFunctions.h"
#include "base/WorkProgress.h"
#include "storage/FixedRecordFile.h"
#include "storage/StorageError.h"
#include "storage/StoredText.h"
#include "storage/VisitLines.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

// A field of the record image set to `bytes` (cut to its capacity), its unused bytes zero, as the
// program stores every field.
void putField(QByteArray &record, F field, QByteArrayView bytes)
{
    const auto &layout = TSchedaVisita::layout();
    char *at = record.data() + layout.offset(int(field));
    const int capacity = layout.capacity(int(field));
    const int length = int(std::min<qsizetype>(bytes.size(), capacity));
    at[0] = char(length);
    if (length > 0) // an empty view may have no data at all, which memcpy must not be given
        std::memcpy(at + 1, bytes.data(), size_t(length));
    std::memset(at + 1 + length, 0, size_t(capacity - length));
}

// The record with its exit written as not recorded; nothing else of it changes. The exit date is
// the entry date's own text, so the card reads as the operator typed it.
QByteArray closedRecord(const QByteArray &record)
{
    QByteArray closed = record;
    const VisitRecordView card(record.constData());
    putField(closed, F::DataUsc, card.bytes(F::DataEnt));
    putField(closed, F::OraUsc, {});
    putField(closed, F::OperatoreUsc, QByteArrayView(UnrecordedExitOperator));
    return closed;
}

bool earlier(const UnrecordedExit &a, const UnrecordedExit &b)
{
    if (a.entered != b.entered)
        return a.entered < b.entered;
    if (a.enteredAt.isValid() != b.enteredAt.isValid())
        return a.enteredAt.isValid();
    return a.enteredAt < b.enteredAt;
}

} // namespace

std::optional<QDate> VisitEntryDay(QByteArrayView storedDate, int year)
{
    if (storedDate.count('/') >= 2)
        return StoredText::date(storedDate);
    // On a card of last year's file a day and month alone are of that year, not of the clock's.
    return ParseDate(TrimText(StoredText::decode(storedDate)) + u'/' + QString::number(year));
}

bool IsOpenFromEarlierDay(const VisitRecordView &card, int year, const QDate &today)
{
    if (!card.isEmpty(F::DataUsc))
        return false;
    const std::optional<QDate> entered = VisitEntryDay(card.bytes(F::DataEnt), year);
    return entered && *entered < today;
}

QList<UnrecordedExit> FindUnrecordedExits(const QDate &today)
{
    QList<UnrecordedExit> result;
    for (const int year : { today.year() - 1, today.year() }) {
        const QString path = VisitFilePath(QString::number(year));
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        QList<UnrecordedExit> found;
        VisitFile::scan(path, [&](const VisitRecordView &card, int position) {
            if (IsOpenFromEarlierDay(card, year, today)) {
                found.append({ path, year, position, PresenceLine(PresenceKind::NonUsciti, card),
                    *VisitEntryDay(card.bytes(F::DataEnt), year), ParseTime(card.field(F::OraEnt)).value_or(QTime()) });
            }
            return true;
        });
        std::stable_sort(found.begin(), found.end(), earlier);
        result += found;
    }
    return result;
}

int CloseUnrecordedExits(const QList<UnrecordedExit> &chosen, const QDate &today,
    const std::function<void(qsizetype index, ExitClosing outcome)> &settled)
{
    int written = 0;
    QList<bool> done(chosen.size(), false);
    WorkProgress::expectRead(qint64(chosen.size()) * TSchedaVisita::RecordSize);
    // One opening per file, its visits in the order chosen.
    for (qsizetype first = 0; first < chosen.size(); ++first) {
        if (done.at(first))
            continue;
        const UnrecordedExit &head = chosen.at(first);
        FixedRecordFile file(TSchedaVisita::RecordSize);
        file.open(head.yearFile, FixedRecordFile::Access::ReadWrite);
        for (qsizetype i = first; i < chosen.size(); ++i) {
            const UnrecordedExit &visit = chosen.at(i);
            if (done.at(i) || visit.yearFile != head.yearFile)
                continue;
            done[i] = true;
            // Read again now: another desk may have written the exit since the list was read.
            const QByteArray record = file.readAt(visit.position);
            ExitClosing outcome = ExitClosing::AlreadyClosed;
            if (IsOpenFromEarlierDay(VisitRecordView(record.constData()), visit.year, today)) {
                file.writeAt(visit.position, closedRecord(record));
                ++written;
                outcome = ExitClosing::Written;
            }
            if (settled)
                settled(i, outcome);
            // Annulla stops it here, between two cards: those written stay written.
            WorkProgress::read(TSchedaVisita::RecordSize);
        }
        file.close();
    }
    return written;
}
