#pragma once
// The choices of the summary criteria screen as plain rules: the items of its four lists, what a
// list keeps when the operator leaves it, and the checks of "Visualizza riepilogo" in their order,
// each with its message and the box that gets the focus.

#include <QString>
#include <QStringList>

// "01" to "31".
const QStringList &SummaryDayItems();
// "Gennaio" to "Dicembre", standing for the months 01 to 12.
const QStringList &SummaryMonthItems();

// What a day list keeps of its text on leaving: the text when, trimmed, it is one of the items;
// empty otherwise.
QString KeptDayText(const QString &text);
// The same for a month list, the names compared without regard to a-z case.
QString KeptMonthText(const QString &text);

struct SummaryCriteria
{
    QString anno; // as typed, untrimmed
    QString giornoInizio;
    QString meseInizio;
    QString giornoFine;
    QString meseFine;
};

enum class CriteriaBox { None, Anno, GiornoInizio, MeseInizio, GiornoFine, MeseFine };

struct CriteriaCheck
{
    bool accepted = false;
    // The refusal: its text, whether it goes in a warning box (else a plain notice), and where the
    // focus goes (None leaves it where it is).
    QString message;
    bool warning = false;
    CriteriaBox focus = CriteriaBox::None;
    // The dates built so far, dd/mm/yyyy, as the screen keeps them in its hidden labels; empty until
    // built.
    QString dataInizio;
    QString dataFine;
};

// The checks in their order; the first that fails ends them.
CriteriaCheck CheckSummaryCriteria(const SummaryCriteria &criteria);
