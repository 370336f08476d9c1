#pragma once
// The year file the summary tests read: ten cards of 2024 in a known order, each named by its note,
// with unpadded dates, a card of another year, a blank date and, in the middle, a date that does
// not exist.

#include "VisitCards.h"

#include "storage/VisitFile.h"

#include <QStringList>

inline TSchedaVisita SummaryCard(const QString &note, const QString &dataEnt, const QString &motivo)
{
    using namespace Qt::StringLiterals;
    using F = VisitField;
    return VisitCard({ { F::Note, note }, { F::DataEnt, dataEnt }, { F::Motivo, motivo }, { F::Cognome, u"Rossi"_s },
        { F::Nome, note.toUpper() }, { F::OraEnt, u"09:00"_s }, { F::TelCel, u"3331234567"_s } });
}

inline QList<TSchedaVisita> SummaryYearCards()
{
    using namespace Qt::StringLiterals;
    return {
        SummaryCard(u"a"_s, u"01/03/2024"_s, u"Consegna merci"_s),
        SummaryCard(u"b"_s, u"15/03/2024"_s, u"Riunione"_s),
        SummaryCard(u"c"_s, u"31/03/2024"_s, u"CONSEGNA"_s),
        SummaryCard(u"bad"_s, u"31/02/2024"_s, u"Consegna"_s),
        SummaryCard(u"d"_s, u"1/4/2024"_s, u"Riunione"_s),
        SummaryCard(u"e"_s, u"29/02/2024"_s, QString()),
        SummaryCard(u"f"_s, u"5/3/2024"_s, u"consegna urgente"_s),
        SummaryCard(u"g"_s, u"01/03/2023"_s, u"Riunione"_s),
        SummaryCard(u"h"_s, QString(), u"Riunione"_s),
        SummaryCard(u"i"_s, u"14/03/2024"_s, u"Ritiro consegna"_s),
    };
}

inline void WriteSummaryYear(const QString &path)
{
    VisitFile file;
    file.open(path);
    for (const TSchedaVisita &card : SummaryYearCards())
        file.append(card);
    file.close();
}

// The cards named by their notes, in file order.
inline QList<TSchedaVisita> SummaryCards(const QStringList &notes)
{
    QList<TSchedaVisita> out;
    for (const TSchedaVisita &card : SummaryYearCards()) {
        if (notes.contains(card.Note))
            out.append(card);
    }
    return out;
}
