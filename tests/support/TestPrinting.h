#pragma once
// Makes the print service print into a PDF file instead of showing the print dialog, or act as
// if the operator cancelled it.

#include "widgets/PrintService.h"

#include <QPrinter>

class PdfPrinting
{
public:
    // An empty path: the dialog is "cancelled" and nothing prints. With keepCopies the dialog is
    // confirmed with the copies it was given preset, as the system dialog does; otherwise one copy.
    explicit PdfPrinting(const QString &pdfPath, bool keepCopies = false)
    {
        PrintService::setChooser(
            [this, pdfPath, keepCopies](QWidget *, QPageLayout::Orientation orientation, int copies) {
                ++dialogs;
                requestedCopies = copies;
                if (pdfPath.isEmpty())
                    return std::unique_ptr<QPrinter>();
                auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(pdfPath);
                printer->setPageSize(QPageSize(QPageSize::A4));
                printer->setPageOrientation(orientation);
                if (keepCopies)
                    printer->setCopyCount(copies);
                return printer;
            });
    }
    ~PdfPrinting() { PrintService::setChooser({}); }

    int dialogs = 0;
    int requestedCopies = 0;
};
