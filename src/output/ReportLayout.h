#pragma once
// A printed document described as data and painted with QPainter on any paged device.
//
// The report engine in brief:
// - ReportLayout: the page (paper size, orientation, margins in mm) and its bands, top to bottom.
//   Positions and sizes are layout units of 1/96 inch; a band's elements are placed relative to
//   the band's top-left corner, and the first band starts at the top-left of the printable area
//   (the paper less its margins). UnitsPerMm converts millimetres.
// - ReportBand (ReportBand.h): a strip printed once. A fixed page is a single band as tall as the
//   printable area; a list is a title band, a splittable data band and a closing band. A
//   splittable band breaks between the lines of its memo and continues at the top of the next
//   pages; any other band that does not fit starts a new page.
// - ReportElement (ReportElement.h): a named text box (frame, fill or gradient, font, alignment,
//   single line cut at the box's edge, or a memo of fixed-pitch lines), a line with optional
//   arrowheads, an SVG picture, or a grid of square modules (a QR code).
// - element(name) finds an element in any band; setText(name, text) fills a text box, a memo
//   taking one line per '\n'-separated part. Texts are printed literally.
// - render(device) paints every page onto a QPrinter, QPdfWriter or other QPagedPaintDevice,
//   switching it to the layout's page; pageCount() tells how many pages that takes.
// - PrintReport (ReportPrinting.h) asks PrintService for a printer, renders, and tells the
//   operator when printing fails.

#include "output/ReportBand.h"

#include <QPageLayout>
#include <QPageSize>

#include <deque>

class QPagedPaintDevice;
class QPainter;
struct BandFlow;

class ReportLayout
{
public:
    static constexpr qreal UnitsPerInch = 96;
    static constexpr qreal UnitsPerMm = UnitsPerInch / 25.4;

    explicit ReportLayout(
        const QString &name = QString(), QPageLayout::Orientation orientation = QPageLayout::Portrait);

    QString name() const { return m_name; }

    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    // The paper less its margins, in layout units.
    QSizeF printableSize() const;

    // The new band, last in the layout. The reference stays valid as more bands are added.
    ReportBand &addBand(const QString &name, qreal height, bool splittable = false);

    // nullptr when the layout has no element of that name.
    ReportElement *element(const QString &name);
    // false when there is no text box of that name. A memo takes one line per part of the text.
    bool setText(const QString &name, const QString &text);

    int pageCount() const;
    // Paints every page; false, with a short reason in *error, when the device cannot be
    // painted on or refuses a page.
    bool render(QPagedPaintDevice *device, QString *error = nullptr) const;

private:
    BandFlow flow() const;

    QString m_name;
    QPageLayout::Orientation m_orientation;
    QPageSize m_pageSize;
    QMarginsF m_marginsMm;
    // A deque, so adding a band never moves the ones before it.
    std::deque<ReportBand> m_bands;
};

// `text` cut into lines, at blanks where it can, each no wider than `width` layout units when
// printed in that font; its own line breaks are kept. For a memo that must not lose the end of a
// long text.
QStringList WrapReportText(const QString &text, const QString &fontFamily, qreal pointSize, qreal width);
