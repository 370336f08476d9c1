#pragma once
// The one printed layout of every list screen: a title bar, the list's lines in a fixed-width
// font split over as many pages as they need, and a closing bar with the date of printing.
//
// PrintListReport(parent, title, lines) is all a list screen calls. The layout itself
// ("Riepilogo dati", A4 landscape, 10 mm margins) has the bands ReportTitle (txtTitolo),
// MasterData (the memo txtRiepilogo, one line per list line, split across pages) and Footer
// (txtPagina, "Stampa eseguita in data dd/mm/yyyy" with today's date from Clock).

#include "output/ReportLayout.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

// Height of one body line, in layout units.
inline constexpr qreal ListLinePitch = 12.822;

// Shows the print dialog, prints the list and tells the operator when printing fails.
// Cancelling the dialog prints nothing.
// `printed` names it in the activity register once printed.
void PrintListReport(
    QWidget *parent, const QString &title, const QStringList &lines, const QString &printed = QStringLiteral("elenco"));

// The filled layout, printed on the given date.
ReportLayout BuildListReport(const QString &title, const QStringList &lines, const QDate &printed);
