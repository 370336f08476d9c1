#include "visits/VisitCardRules.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

namespace {

QString wrongDate(const QString &which, const QString &date)
{
    return u"Attenzione: la data d'"_s + which + u" "_s + date + u" non esiste."_s + u"\n\r\n\r"_s
        + u"Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa."_s;
}

QString wrongTime(const QString &which, const QString &time)
{
    return u"Attenzione: l'ora d'"_s + which + u" "_s + time + u" non esiste."_s + u"\n\r\n\r"_s
        + u"Per poter salvare la scheda è necessario indicare un'ora valida nel formato hh:mm."_s;
}

VisitSaveFailure failure(int check, VisitSaveFailure::Box box, const QString &message, VisitField focus)
{
    return VisitSaveFailure { check, box, message, focus };
}

// Times count only on the same day, and only when both can be read.
bool exitBeforeEntry(const QString &dataEnt, const QString &oraEnt, const QString &dataUsc, const QString &oraUsc)
{
    const std::optional<QDate> entryDay = ParseDate(dataEnt);
    const std::optional<QDate> exitDay = ParseDate(dataUsc);
    if (!entryDay || !exitDay)
        return false;
    if (*exitDay != *entryDay)
        return *exitDay < *entryDay;
    const std::optional<QTime> entryTime = ParseTime(oraEnt);
    const std::optional<QTime> exitTime = ParseTime(oraUsc);
    return entryTime && exitTime && *exitTime < *entryTime;
}

} // namespace

std::optional<VisitSaveFailure> CheckVisitCardForSave(const TSchedaVisita &card)
{
    using Box = VisitSaveFailure::Box;
    const QString dataEnt = TrimText(card.DataEnt);
    const QString dataUsc = TrimText(card.DataUsc);
    const QString oraEnt = TrimText(card.OraEnt);
    const QString oraUsc = TrimText(card.OraUsc);

    if (dataEnt.isEmpty())
        return failure(1, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare la data d'ingresso."_s, VisitField::DataEnt);
    if (!IsValidDate(dataEnt))
        return failure(2, Box::Notice, wrongDate(u"ingresso"_s, dataEnt), VisitField::DataEnt);
    if (oraEnt.isEmpty())
        return failure(3, Box::Warning, u"Attenzione: per salvare la scheda è necessario indicare l'ora d'ingresso."_s,
            VisitField::OraEnt);
    if (!IsValidTime(oraEnt))
        return failure(4, Box::Notice, wrongTime(u"ingresso"_s, oraEnt), VisitField::OraEnt);
    if (TrimText(card.Cognome).isEmpty())
        return failure(5, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare il cognome del Visitatore."_s,
            VisitField::Cognome);
    if (TrimText(card.Nome).isEmpty())
        return failure(6, Box::Warning,
            u"Attenzione: per salvare la scheda è necessario indicare il nome del Visitatore."_s, VisitField::Nome);
    if (!dataUsc.isEmpty() && !IsValidDate(dataUsc))
        return failure(7, Box::Notice, wrongDate(u"uscita"_s, dataUsc), VisitField::DataUsc);
    if (dataUsc.isEmpty() && !oraUsc.isEmpty())
        return failure(8, Box::Notice,
            u"Attenzione: è stata indicata l'ora d'uscita ma non la data.\n\r\n\r"
            u"Per poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi "
            u"di testo."_s,
            VisitField::DataUsc);
    if (!dataUsc.isEmpty() && oraUsc.isEmpty())
        return failure(9, Box::Notice,
            u"Attenzione: è stata indicata la data d'uscita ma non l'ora.\n\r\n\r"
            u"Per poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi "
            u"di testo."_s,
            VisitField::DataUsc);
    if (!oraUsc.isEmpty() && !IsValidTime(oraUsc))
        return failure(10, Box::Notice, wrongTime(u"uscita"_s, oraUsc), VisitField::OraUsc);
    if (exitBeforeEntry(dataEnt, oraEnt, dataUsc, oraUsc))
        return failure(11, Box::Notice, u"Attenzione: l'uscita non può precedere l'ingresso."_s, VisitField::DataUsc);
    return std::nullopt;
}

TSchedaVisita VisitCardFromTexts(const QStringList &texts)
{
    TSchedaVisita card;
    const int n = int(qMin<qsizetype>(texts.size(), TSchedaVisita::FieldCount));
    for (int i = 0; i < n; ++i)
        card.field(i) = TrimText(texts.at(i));
    return card;
}

QString VisitBoxName(VisitField field)
{
    return u"txt"_s + TSchedaVisita::layout().name(int(field));
}

TSchedaVisita VisitCardAsStored(const TSchedaVisita &card)
{
    TSchedaVisita stored = card;
    for (QString *date : { &stored.DataEnt, &stored.DataUsc }) {
        if (const std::optional<QDate> parsed = ParseDate(*date))
            *date = DateText(*parsed);
    }
    for (QString *time : { &stored.OraEnt, &stored.OraUsc }) {
        if (const std::optional<QTime> parsed = ParseTime(*time))
            *time = TimeText(*parsed);
    }
    return stored;
}
