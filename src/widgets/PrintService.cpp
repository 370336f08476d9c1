#include "widgets/PrintService.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
PrintService::Chooser &currentChooser()
{
    static PrintService::Chooser chooser;
    return chooser;
}
} // namespace

std::unique_ptr<QPrinter> PrintService::choosePrinter(QWidget *parent, QPageLayout::Orientation orientation, int copies)
{
    if (currentChooser())
        return currentChooser()(parent, orientation, copies);

    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation);
    printer->setCopyCount(copies);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

std::unique_ptr<QPrinter> PrintService::defaultPrinter(QWidget *parent, QPageLayout::Orientation orientation)
{
    if (currentChooser())
        return currentChooser()(parent, orientation, 1);

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return choosePrinter(parent, orientation);
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation);
    return printer;
}

void PrintService::setChooser(Chooser chooser)
{
    currentChooser() = std::move(chooser);
}
