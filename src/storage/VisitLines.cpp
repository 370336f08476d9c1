#include "storage/VisitLines.h"

#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "storage/StoredText.h"

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

QString value(const TSchedaVisita &card, F field)
{
    return TrimText(card.field(field));
}

// The stored bytes of a field, trimmed: what the scans build their lines from.
QByteArrayView stored(const RecordView<TSchedaVisita> &card, F field)
{
    return card.bytes(field);
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

void PresenceLineBytes(PresenceKind kind, const RecordView<TSchedaVisita> &card, LineBytes &out)
{
    out.clear();
    line(
        kind, [&](F f) { return stored(card, f); }, out);
}
