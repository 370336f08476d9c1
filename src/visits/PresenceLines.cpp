#include "visits/PresenceLines.h"

#include "base/Clock.h"
#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "storage/ListedRecord.h"
#include "storage/StorageError.h"
#include "storage/StoredText.h"
#include "storage/VisitFile.h"

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

// A line built as text, for cards held whole.
class TextLine
{
public:
    void name(const QString &surname, const QString &firstName, int width)
    {
        m_line += NameColumn(surname, firstName, width);
    }
    void column(const QString &value, int width) { m_line += FixedColumn(value, width); }
    void text(const char *ascii) { m_line += QLatin1StringView(ascii); }
    void text(const QString &value) { m_line += value; }
    QString take() { return std::move(m_line); }

private:
    QString m_line;
};

// A label and a column after it.
template<typename Out, typename Value> void labelled(Out &out, const char *label, const Value &value, int width)
{
    out.text(label);
    out.column(value, width);
}

// One layout for both: `out` a TextLine or a LineBytes, `valueOf(field)` the trimmed field as out takes it.
template<typename Out, typename ValueOf> void line(PresenceKind kind, const ValueOf &valueOf, Out &out)
{
    out.name(valueOf(F::Cognome), valueOf(F::Nome), 30);
    labelled(out, "  Cel. ", valueOf(F::TelCel), 12);
    switch (kind) {
    case PresenceKind::NonUsciti:
        labelled(out, "  Entrata: ", valueOf(F::DataEnt), 10);
        labelled(out, "  Ora: ", valueOf(F::OraEnt), 5);
        out.text("  Motivo: ");
        break;
    case PresenceKind::EntratiOggi:
        labelled(out, "  Ora entrata: ", valueOf(F::OraEnt), 5);
        labelled(out, "  Uscita: ", valueOf(F::DataUsc), 10);
        labelled(out, "  Ora: ", valueOf(F::OraUsc), 5);
        out.text("  ");
        break;
    case PresenceKind::UscitiOggi:
        labelled(out, "  Ora uscita: ", valueOf(F::OraUsc), 5);
        labelled(out, "  Entrata: ", valueOf(F::DataEnt), 10);
        labelled(out, "  Ora: ", valueOf(F::OraEnt), 5);
        out.text("  ");
        break;
    }
    out.text(valueOf(F::Motivo));
}

template<typename Out, typename ValueOf> void searchLine(const ValueOf &valueOf, Out &out)
{
    out.name(valueOf(F::Cognome), valueOf(F::Nome), 28);
    labelled(out, "  Cel. ", valueOf(F::TelCel), 12);
    labelled(out, "  Entrata: ", valueOf(F::DataEnt), 10);
    labelled(out, "  Ora: ", valueOf(F::OraEnt), 5);
    labelled(out, "  Uscita: ", valueOf(F::DataUsc), 10);
    labelled(out, "  Ora: ", valueOf(F::OraUsc), 5);
    out.text("  ");
    out.text(valueOf(F::Motivo));
}

QString textLine(PresenceKind kind, const TSchedaVisita &card)
{
    TextLine out;
    line(
        kind, [&](F f) { return value(card, f); }, out);
    return out.take();
}

QString textSearchLine(const TSchedaVisita &card)
{
    TextLine out;
    searchLine([&](F f) { return value(card, f); }, out);
    return out.take();
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

QString PresenceLine(PresenceKind kind, const TSchedaVisita &card)
{
    return textLine(kind, card);
}

QString PresenceLine(PresenceKind kind, const RecordView<TSchedaVisita> &card)
{
    LineBytes out;
    line(
        kind, [&](F f) { return stored(card, f); }, out);
    return StoredText::decode(out.view());
}

QString VisitSearchLine(const TSchedaVisita &card)
{
    return textSearchLine(card);
}

QString VisitSearchLine(const RecordView<TSchedaVisita> &card)
{
    LineBytes out;
    VisitSearchLineBytes(card, out);
    return StoredText::decode(out.view());
}

void VisitSearchLineBytes(const RecordView<TSchedaVisita> &card, LineBytes &out)
{
    out.clear();
    searchLine([&](F f) { return stored(card, f); }, out);
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
    LineBytes built;
    const std::optional<QByteArray> day = StoredText::exactBytes(today);
    if (complete)
        *complete = true;
    try {
        VisitFile::scan(yearFile, [&](const VisitRecordView &card, int position) {
            if (isListed(kind, card, day)) {
                built.clear();
                line(
                    kind, [&](F f) { return stored(card, f); }, built);
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
