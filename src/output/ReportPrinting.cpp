#include "output/ReportPrinting.h"

#include "output/ReportLayout.h"
#include "widgets/Messages.h"
#include "widgets/PrintService.h"

#include <QPrinter>

#include <exception>
#include <functional>

using namespace Qt::StringLiterals;

QString PrintErrorMessage()
{
    return u"Attenzione: si è verificato un errore durante la stampa.\r\n\r\nControllare la stampante e riprovare."_s;
}

namespace {

PrintOutcome printOn(
    QWidget *parent, const ReportLayout &layout, const std::function<std::unique_ptr<QPrinter>()> &choosePrinter)
{
    bool printed = false;
    try {
        std::unique_ptr<QPrinter> printer = choosePrinter();
        if (!printer)
            return PrintOutcome::Cancelled;
        printer->setDocName(layout.name());
        printed = printer->printerState() != QPrinter::Error && layout.render(printer.get())
            && printer->printerState() != QPrinter::Error;
    } catch (const std::exception &) {
        // Out of memory on a huge list or a failing driver must not take the program down.
        printed = false;
    }
    if (printed)
        return PrintOutcome::Printed;
    Messages::error(PrintErrorMessage(), parent);
    return PrintOutcome::Failed;
}

} // namespace

PrintOutcome PrintReport(QWidget *parent, const ReportLayout &layout, int copies)
{
    return printOn(parent, layout, [&] { return PrintService::choosePrinter(parent, layout.orientation(), copies); });
}

PrintOutcome PrintReportAtOnce(QWidget *parent, const ReportLayout &layout)
{
    return printOn(parent, layout, [&] { return PrintService::defaultPrinter(parent, layout.orientation()); });
}
