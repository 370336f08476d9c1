#pragma once
// The summary of a period as plain rules: which cards of a year file it lists (entry date within the
// period, reason contained), the line of each, the texts shown beside the list and the printed report.

#include <QString>
#include <QStringList>

// What the criteria screen hands to the summary.
struct SummaryRequest
{
    QString yearFile;
    QString start; // dd/mm/yyyy, first day of the period
    QString end; // dd/mm/yyyy, last day of the period
    QString reason; // as typed: empty for every reason
};

struct VisitSummary
{
    QStringList lines; // in file order
    // False when the year file could not be read (a folder in its place, a failing disk): the lines
    // then say nothing about the period.
    bool readable = true;
};

// Reads the year file (a missing one is created empty) and lists, in file order, the line of every
// card whose entry date is a date within the period, both ends included, and, when a reason is
// given, whose reason contains it (a to z case ignored). A card whose entry date is not a date is
// left out. Never throws.
VisitSummary ReadVisitSummary(const SummaryRequest &request);

// The heading of the summary: the trimmed reason, or "Tutti i motivi".
QString SummaryReasonHeading(const QString &reason);
// "Dal   <start>   al   <end>".
QString SummaryIntervalText(const QString &start, const QString &end);

QString SummaryReportTitle(const QString &heading);
// The list's lines followed by the closing lines: the rule, the interval and the total.
QStringList SummaryReportLines(const QStringList &lines, const QString &interval, const QString &total);
