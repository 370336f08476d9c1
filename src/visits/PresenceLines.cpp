#include "visits/PresenceLines.h"

#include "base/Clock.h"
#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "storage/ListedRecord.h"
#include "storage/StorageError.h"
#include "storage/StoredText.h"
#include "storage/VisitFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

// The full record holds its fields already trimmed; the view decodes (and trims) on demand.
QString value(const TSchedaVisita &card, F field)
{
    return TrimText(card.field(field));
}

bool exitDateEmpty(const TSchedaVisita &card)
{
    return value(card, F::DataUsc).isEmpty();
}

bool exitDateEmpty(const RecordView<TSchedaVisita> &card)
{
    return card.bytes(F::DataUsc).isEmpty();
}

// The stored bytes of a field, trimmed: what the scans decide on and build their lines from.
QByteArrayView stored(const RecordView<TSchedaVisita> &card, F field)
{
    return card.bytes(field);
}

bool isListed(PresenceKind kind, const TSchedaVisita &card, const QString &today)
{
    switch (kind) {
    case PresenceKind::NonUsciti:
        return exitDateEmpty(card);
    case PresenceKind::EntratiOggi:
        return value(card, F::DataEnt) == today;
    case PresenceKind::UscitiOggi:
        return value(card, F::DataUsc) == today;
    }
    return false;
}

// `today` as stored bytes, or nothing when no stored date can equal it.
bool isListed(PresenceKind kind, const RecordView<TSchedaVisita> &card, const std::optional<QByteArray> &today)
{
    switch (kind) {
    case PresenceKind::NonUsciti:
        return exitDateEmpty(card);
    case PresenceKind::EntratiOggi:
        return today && stored(card, F::DataEnt) == *today;
    case PresenceKind::UscitiOggi:
        return today && stored(card, F::DataUsc) == *today;
    }
    return false;
}

} // namespace

QString PresenceToday()
{
    return DateText(Clock::today());
}

bool IsPresenceListed(PresenceKind kind, const TSchedaVisita &card, const QString &today)
{
    return isListed(kind, card, today);
}

bool IsPresenceListed(PresenceKind kind, const RecordView<TSchedaVisita> &card, const QString &today)
{
    return isListed(kind, card, StoredText::exactBytes(today));
}

QString PresenceReportTitle(PresenceKind kind, const QString &today)
{
    switch (kind) {
    case PresenceKind::NonUsciti:
        return u"Visitatori non ancora usciti"_s;
    case PresenceKind::EntratiOggi:
        return u"Visitatori entrati in data "_s + today;
    case PresenceKind::UscitiOggi:
        return u"Visitatori usciti in data "_s + today;
    }
    return QString();
}

LineStore ListPresenceLines(PresenceKind kind, const QString &yearFile, const QString &today, bool *complete)
{
    LineStore result;
    // Any card may be listed; the room not filled is never touched. A line is about 80 bytes and
    // its reason; a longer one makes the store grow.
    const qint64 cards = QFileInfo(yearFile).size() / TSchedaVisita::RecordSize;
    result.reserve(cards, cards * 128);
    LineBytes built;
    const std::optional<QByteArray> day = StoredText::exactBytes(today);
    if (complete)
        *complete = true;
    try {
        VisitFile::scan(yearFile, [&](const VisitRecordView &card, int position) {
            if (isListed(kind, card, day)) {
                PresenceLineBytes(kind, card, built);
                result.append(built.view(), position);
            }
            return true;
        });
    } catch (const StorageError &) {
        // The lists fill silently: whatever was read before the failure stays listed.
        if (complete)
            *complete = false;
    }
    return result;
}

std::optional<PresenceCard> FindPresenceCard(
    PresenceKind kind, const QString &yearFile, const QString &chosenLine, int listedPosition)
{
    // Equal lines are common (a visitor who came twice in the same minute, a copied card, and on the
    // list of those not out any exited card with the same line): the text alone would pick the last
    // of them, and the exit typed next would be written over another card's.
    return FindListedRecord<TSchedaVisita>(
        yearFile, chosenLine, listedPosition, 30, [kind](const auto &card) { return PresenceLine(kind, card); });
}
