#include "clients/ClientCardRules.h"

#include "base/TextFunctions.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString wrongDate(const QString &which, const QString &date)
{
    return u"Attenzione: la data di "_s + which + u" "_s + date + u" non esiste."_s + u"\n\r\n\r"_s
        + u"Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."_s;
}

ClientSaveFailure failure(
    int check, ClientSaveFailure::Box box, const QString &message, std::optional<ClientField> focus)
{
    return ClientSaveFailure { check, box, message, focus };
}

// A decimal number as an operator may type or paste it: an optional sign, digits with at most one
// "," among them, and an optional exponent. Blanks around it were trimmed already.
bool isDecimalText(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digitAt = [&](qsizetype at) { return at < n && text.at(at) >= u'0' && text.at(at) <= u'9'; };
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    int digits = 0;
    while (digitAt(i)) {
        ++i;
        ++digits;
    }
    if (i < n && text.at(i) == u',') {
        ++i;
        while (digitAt(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        ++i;
        if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
            ++i;
        if (!digitAt(i))
            return false;
        while (digitAt(i))
            ++i;
    }
    return i == n;
}

} // namespace

std::optional<ClientSaveFailure> CheckClientCardForSave(const TSchedaAnagrafica &card)
{
    using Box = ClientSaveFailure::Box;
    using F = ClientField;
    const QString start = TrimText(card.Decorrenza);
    const QString due = TrimText(card.Scadenza);

    if (TrimText(card.Cognome).isEmpty())
        return failure(1, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare il cognome del Visitatore."_s, F::Cognome);
    if (TrimText(card.Nome).isEmpty())
        return failure(2, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare il nome del Visitatore."_s, F::Nome);
    if (start.isEmpty())
        return failure(3, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare la data di decorrenza dell'acquisto rateale "
            u"effettuato."_s,
            F::Decorrenza);
    if (due.isEmpty())
        return failure(4, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare la data di scadenza della prossima rata."_s,
            F::Scadenza);
    if (!IsValidDate(start))
        return failure(5, Box::Notice, wrongDate(u"decorrenza"_s, start), F::Decorrenza);
    if (!IsValidDate(due))
        return failure(6, Box::Notice, wrongDate(u"scadenza"_s, due), F::Scadenza);
    if (StartAfterDue(start, due))
        return failure(7, Box::Notice,
            u"Attenzione: la data di scadenza della prossima rata ("_s + due
                + u") non può essere anteriore a quella di decorrenza ("_s + start + u")."_s + u"\n\r\n\r"_s
                + u"Per poter salvare la scheda è necessario indicare un intervallo di tempo valido."_s,
            std::nullopt);
    if (TrimText(card.Preavviso).isEmpty())
        return failure(8, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."_s, F::Preavviso);
    return std::nullopt;
}

const QStringList &ProvinceCodes()
{
    static const QStringList codes = u"AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN "
                                     u"CO CR CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU "
                                     u"MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU "
                                     u"PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD "
                                     u"VA VB VC VE VI VR VT VV"_s.split(u' ');
    return codes;
}

bool IsAttachmentField(ClientField field)
{
    return field >= ClientField::File01;
}

QString ClientBoxName(ClientField field)
{
    return (IsAttachmentField(field) ? u"lbl"_s : u"txt"_s) + TSchedaAnagrafica::layout().name(int(field));
}

int ClientBoxMaxLength(ClientField field)
{
    if (field == ClientField::Rata)
        return 15;
    return TSchedaAnagrafica::layout().capacity(int(field));
}

QString NormaliseAmount(const QString &text)
{
    const QString zero = u"0,00"_s;
    const QString typed = TrimText(text);
    if (typed.isEmpty() || !isDecimalText(typed))
        return zero;
    QString c = typed;
    c.replace(u',', u'.');
    bool ok = false;
    const double value = c.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return zero;
    // The rounding adds one half and cuts toward zero, which would turn -3 into -2,9999 and move a
    // negative amount again each time its box is left: a negative amount is rounded as its size.
    const double rounded = value < 0 ? -RoundToDecimals(-value, 4) : RoundToDecimals(value, 4);
    if (!std::isfinite(rounded))
        return zero;
    // The shortest text that shows the number, up to 15 significant digits; a larger whole number
    // is written out in full, never in exponent form, which would read as no number next time.
    QString shown = QString::number(rounded == 0 ? 0.0 : rounded, 'g', 15);
    if (shown.contains(u'e'))
        shown = QString::number(rounded, 'f', 0);
    shown.replace(u'.', u',');
    if (!shown.contains(u','))
        shown += u",00"_s;
    else if (shown.size() >= 2 && shown.at(shown.size() - 2) == u',' && shown.back().isDigit())
        shown += u'0';
    return shown;
}

bool IsBlankOrZeroAmount(const QString &text)
{
    const QString typed = TrimText(text);
    if (typed.isEmpty())
        return true;
    if (!isDecimalText(typed))
        return false;
    QString c = typed;
    c.replace(u',', u'.');
    return c.toDouble() == 0;
}

bool StartAfterDue(const QString &start, const QString &due)
{
    const std::optional<QDate> from = ParseDate(start);
    const std::optional<QDate> to = ParseDate(due);
    return from && to && *from > *to;
}
