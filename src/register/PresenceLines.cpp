#include "register/PresenceLines.h"

#include "base/Clock.h"
#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "storage/ListedRecord.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

// The full record holds its fields already trimmed; the view decodes (and trims) on demand.
QString value(const TSchedaVisita &card, F field)
{
    return TrimText(card.field(field));
}

QString value(const RecordView<TSchedaVisita> &card, F field)
{
    return card.field(field);
}

bool exitDateEmpty(const TSchedaVisita &card)
{
    return value(card, F::DataUsc).isEmpty();
}

bool exitDateEmpty(const RecordView<TSchedaVisita> &card)
{
    return card.isEmpty(F::DataUsc);
}

template<typename Card> bool isListed(PresenceKind kind, const Card &card, const QString &today)
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

template<typename Card> QString line(PresenceKind kind, const Card &card)
{
    QString out = NameColumn(value(card, F::Cognome), value(card, F::Nome), 30);
    out += u"  Cel. "_s + FixedColumn(value(card, F::TelCel), 12);
    switch (kind) {
    case PresenceKind::NonUsciti:
        out += u"  Entrata: "_s + FixedColumn(value(card, F::DataEnt), 10);
        out += u"  Ora: "_s + FixedColumn(value(card, F::OraEnt), 5);
        out += u"  Motivo: "_s;
        break;
    case PresenceKind::EntratiOggi:
        out += u"  Ora entrata: "_s + FixedColumn(value(card, F::OraEnt), 5);
        out += u"  Uscita: "_s + FixedColumn(value(card, F::DataUsc), 10);
        out += u"  Ora: "_s + FixedColumn(value(card, F::OraUsc), 5);
        out += u"  "_s;
        break;
    case PresenceKind::UscitiOggi:
        out += u"  Ora uscita: "_s + FixedColumn(value(card, F::OraUsc), 5);
        out += u"  Entrata: "_s + FixedColumn(value(card, F::DataEnt), 10);
        out += u"  Ora: "_s + FixedColumn(value(card, F::OraEnt), 5);
        out += u"  "_s;
        break;
    }
    return out + value(card, F::Motivo);
}

template<typename Card> QString searchLine(const Card &card)
{
    QString out = NameColumn(value(card, F::Cognome), value(card, F::Nome), 28);
    out += u"  Cel. "_s + FixedColumn(value(card, F::TelCel), 12);
    out += u"  Entrata: "_s + FixedColumn(value(card, F::DataEnt), 10);
    out += u"  Ora: "_s + FixedColumn(value(card, F::OraEnt), 5);
    out += u"  Uscita: "_s + FixedColumn(value(card, F::DataUsc), 10);
    out += u"  Ora: "_s + FixedColumn(value(card, F::OraUsc), 5);
    return out + u"  "_s + value(card, F::Motivo);
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
    return isListed(kind, card, today);
}

QString PresenceLine(PresenceKind kind, const TSchedaVisita &card)
{
    return line(kind, card);
}

QString PresenceLine(PresenceKind kind, const RecordView<TSchedaVisita> &card)
{
    return line(kind, card);
}

QString VisitSearchLine(const TSchedaVisita &card)
{
    return searchLine(card);
}

QString VisitSearchLine(const RecordView<TSchedaVisita> &card)
{
    return searchLine(card);
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

PresenceLines ReadPresenceLines(PresenceKind kind, const QString &yearFile, const QString &today)
{
    PresenceLines result;
    try {
        ScanVisits(yearFile, [&](const VisitRecordView &card, int position) {
            if (isListed(kind, card, today)) {
                result.lines.append(line(kind, card));
                result.positions.append(position);
            }
            return true;
        });
    } catch (const StorageError &) {
        // The lists fill silently: whatever was read before the failure stays listed.
        result.complete = false;
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
        yearFile, chosenLine, listedPosition, 30, [kind](const auto &card) { return line(kind, card); });
}
