#include "summaries/SummaryCriteria.h"

#include "base/TextFunctions.h"
#include "storage/VisitFile.h"

using namespace Qt::StringLiterals;

namespace {

const QString ValidDateNeeded = u"Per poter visualizzare il riepilogo è necessario indicare una data valida."_s;

QString missing(const QString &what)
{
    return u"Attenzione: indicare il "_s + what + u" intervallo selezionandolo dall'elenco a cascata."_s;
}

// The month's two-digit number; "00", which no date has, for a text that is no month.
QString monthNumber(const QString &month)
{
    const QString wanted = TrimText(LowerAZ(month));
    const QStringList &months = SummaryMonthItems();
    for (qsizetype i = 0; i < months.size(); ++i) {
        if (LowerAZ(months.at(i)) == wanted)
            return u"%1"_s.arg(i + 1, 2, 10, QChar(u'0'));
    }
    return u"00"_s;
}

CriteriaCheck refuse(CriteriaCheck check, const QString &message, bool warning, CriteriaBox focus)
{
    check.message = message;
    check.warning = warning;
    check.focus = focus;
    return check;
}

} // namespace

const QStringList &SummaryDayItems()
{
    static const QStringList days = [] {
        QStringList out;
        for (int d = 1; d <= 31; ++d)
            out.append(u"%1"_s.arg(d, 2, 10, QChar(u'0')));
        return out;
    }();
    return days;
}

const QStringList &SummaryMonthItems()
{
    static const QStringList months = { u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s, u"Maggio"_s, u"Giugno"_s,
        u"Luglio"_s, u"Agosto"_s, u"Settembre"_s, u"Ottobre"_s, u"Novembre"_s, u"Dicembre"_s };
    return months;
}

QString KeptDayText(const QString &text)
{
    return SummaryDayItems().contains(TrimText(text)) ? text : QString();
}

QString KeptMonthText(const QString &text)
{
    return monthNumber(text) == u"00"_s ? QString() : text;
}

CriteriaCheck CheckSummaryCriteria(const SummaryCriteria &c)
{
    CriteriaCheck check;
    if (!IsVisitYear(c.anno))
        return refuse(check, VisitYearWarning(), true, CriteriaBox::Anno);
    if (TrimText(c.giornoInizio).isEmpty())
        return refuse(check, missing(u"giorno di inizio"_s), true, CriteriaBox::GiornoInizio);
    if (TrimText(c.meseInizio).isEmpty())
        return refuse(check, missing(u"mese di inizio"_s), true, CriteriaBox::MeseInizio);
    if (TrimText(c.giornoFine).isEmpty())
        return refuse(check, missing(u"giorno di fine"_s), true, CriteriaBox::GiornoFine);
    if (TrimText(c.meseFine).isEmpty())
        return refuse(check, missing(u"mese di fine"_s), true, CriteriaBox::MeseFine);

    const QString year = TrimText(c.anno);
    check.dataInizio = TrimText(c.giornoInizio) + u'/' + monthNumber(c.meseInizio) + u'/' + year;
    const std::optional<QDate> start = ParseDate(check.dataInizio);
    if (!start) {
        return refuse(check,
            u"Attenzione: la data "_s + check.dataInizio + u" di inizio intervallo non esiste.\n\r\n\r"_s
                + ValidDateNeeded,
            false, CriteriaBox::GiornoInizio);
    }
    check.dataFine = TrimText(c.giornoFine) + u'/' + monthNumber(c.meseFine) + u'/' + year;
    const std::optional<QDate> end = ParseDate(check.dataFine);
    if (!end) {
        return refuse(check,
            u"Attenzione: la data "_s + check.dataFine + u" di fine intervallo non esiste.\n\r\n\r"_s + ValidDateNeeded,
            false, CriteriaBox::GiornoFine);
    }
    if (*start > *end) {
        return refuse(check,
            u"Attenzione: la data di fine intervallo ("_s + check.dataFine
                + u") non può essere anteriore a quella di inizio intervallo ("_s + check.dataInizio
                + u").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido."_s,
            false, CriteriaBox::None);
    }
    check.accepted = true;
    return check;
}
