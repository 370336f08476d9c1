#pragma once
// Shows the system print dialog and gives the chosen printer, or nothing when the operator
// cancels. Tests replace the dialog with a printer that writes a PDF file; the same replacement
// answers a print that goes straight to the default printer.

#include <QPageLayout>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

class PrintService
{
public:
    static std::unique_ptr<QPrinter> choosePrinter(
        QWidget *parent, QPageLayout::Orientation orientation, int copies = 1);
    // The system's default printer, without a dialog; when the system has none, the print dialog
    // is shown instead (and may be cancelled).
    static std::unique_ptr<QPrinter> defaultPrinter(QWidget *parent, QPageLayout::Orientation orientation);

    using Chooser = std::function<std::unique_ptr<QPrinter>(QWidget *parent, QPageLayout::Orientation, int copies)>;
    // An empty chooser gives the system dialog back.
    static void setChooser(Chooser chooser);
};
