#pragma once
// Prints a report layout through the print dialog and tells the operator when printing fails.

#include <QString>

class QWidget;
class ReportLayout;

enum class PrintOutcome { Printed, Cancelled, Failed };

// Shows the print dialog (orientation from the layout, copies preset); cancelling prints
// nothing. A failure shows PrintErrorMessage() as an error box and gives Failed.
PrintOutcome PrintReport(QWidget *parent, const ReportLayout &layout, int copies = 1);

// The same on the system's default printer without the dialog (the dialog only when there is no
// default printer).
PrintOutcome PrintReportAtOnce(QWidget *parent, const ReportLayout &layout);

QString PrintErrorMessage();
