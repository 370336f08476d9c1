#include "output/ReportLayout.h"

#include "output/BandFlow.h"
#include "widgets/Gradient.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Arrowheads of lines, in layout units.
constexpr qreal ArrowLength = 7;
constexpr qreal ArrowHalfWidth = 3;

// Maps layout units of one page onto the device's pixels.
struct PageMapping
{
    qreal kx = 1;
    qreal ky = 1;
    QPointF origin; // the printable area's top-left corner, in device pixels from the painter origin

    QRectF rect(const QRectF &r, qreal top) const
    {
        return QRectF(origin.x() + r.x() * kx, origin.y() + (top + r.y()) * ky, r.width() * kx, r.height() * ky);
    }
    QPointF point(const QPointF &p, qreal top) const
    {
        return QPointF(origin.x() + p.x() * kx, origin.y() + (top + p.y()) * ky);
    }
};

// The part of a text that shows in the given width: every character that starts before the edge;
// the clip then cuts the last one where the box ends.
QString cutToWidth(const QFontMetricsF &metrics, const QString &text, qreal width)
{
    qsizetype lo = 0;
    qsizetype hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    qsizetype n = lo;
    if (n < text.size() && metrics.horizontalAdvance(text.left(n)) < width)
        ++n;
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        ++n;
    return text.left(n);
}

class ElementPainter
{
public:
    ElementPainter(QPainter &painter, QPaintDevice *device, const PageMapping &map)
        : m_painter(painter)
        , m_device(device)
        , m_map(map)
    { }

    void paint(const ReportElement &e, qreal bandTop)
    {
        switch (e.kind) {
        case ReportElement::Kind::Text:
            paintBox(e, m_map.rect(e.rect, bandTop));
            if (e.isMemo())
                paintMemoLines(e, m_map.rect(e.rect, bandTop), 0, int(std::lround(e.rect.height() / e.linePitch)));
            else
                paintSingleLine(e, m_map.rect(e.rect, bandTop));
            break;
        case ReportElement::Kind::Line:
            paintLine(e, bandTop);
            break;
        case ReportElement::Kind::Picture:
            paintPicture(e, m_map.rect(e.rect, bandTop));
            break;
        case ReportElement::Kind::Modules:
            paintModules(e, m_map.rect(e.rect, bandTop));
            break;
        }
    }

    // A piece of a memo split over pages: the given lines, from the given top in page units.
    void paintMemoPiece(const ReportElement &e, qreal top, int firstLine, int lineCount)
    {
        const QRectF piece(e.rect.x(), 0, e.rect.width(), lineCount * e.linePitch);
        const QRectF box = m_map.rect(piece, top);
        paintBox(e, box);
        paintMemoLines(e, box, firstLine, lineCount);
    }

private:
    QFont fontOf(const ReportElement &e) const
    {
        QFont font(e.fontFamily);
        font.setPointSizeF(e.pointSize);
        font.setBold(e.bold);
        return font;
    }

    void paintBox(const ReportElement &e, const QRectF &box)
    {
        if (e.fill.isValid()) {
            if (e.fillBottom.isValid()) {
                PaintVerticalGradient(m_painter, box, { e.fill, e.fillBottom });
            } else {
                m_painter.fillRect(box, e.fill);
            }
        }
        if (e.frame) {
            m_painter.setPen(QPen(e.frameColor, e.frameWidth * m_map.kx));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(box);
        }
    }

    void paintSingleLine(const ReportElement &e, const QRectF &box)
    {
        if (e.text.isEmpty())
            return;
        // One line only: breaks inside the value print as blanks.
        QString text = e.text;
        text.replace(u'\r', u' ').replace(u'\n', u' ');
        drawClipped(e, box, box.adjusted(e.padding * m_map.kx, 0, -e.padding * m_map.kx, 0), text, e.alignment);
    }

    void paintMemoLines(const ReportElement &e, const QRectF &box, int firstLine, int lineCount)
    {
        const qreal pitch = e.linePitch * m_map.ky;
        const Qt::Alignment horizontal = e.alignment & Qt::AlignHorizontal_Mask;
        for (int i = 0; i < lineCount && firstLine + i < e.lines.size(); ++i) {
            QString line = e.lines.at(firstLine + i);
            if (line.isEmpty())
                continue;
            line.replace(u'\r', u' ').replace(u'\n', u' ');
            const QRectF slot(box.left(), box.top() + i * pitch, box.width(), pitch);
            drawClipped(e, slot, slot.adjusted(e.padding * m_map.kx, 0, -e.padding * m_map.kx, 0), line,
                horizontal | Qt::AlignVCenter);
        }
    }

    // Draws one line of text inside area; what would pass the clip box's right edge is cut, never
    // wrapped, and an overlong text starts at the left whatever the alignment.
    void drawClipped(
        const ReportElement &e, const QRectF &clip, const QRectF &area, const QString &text, Qt::Alignment alignment)
    {
        const QFont font = fontOf(e);
        const QFontMetricsF metrics(font, m_device);
        QString shown = text;
        if (metrics.horizontalAdvance(text) > area.width()) {
            shown = cutToWidth(metrics, text, clip.right() - area.left());
            alignment = (alignment & Qt::AlignVertical_Mask) | Qt::AlignLeft;
        }
        m_painter.save();
        m_painter.setClipRect(clip, Qt::IntersectClip);
        m_painter.setFont(font);
        m_painter.setPen(e.textColor);
        QRectF wide = area;
        wide.setRight(std::max(area.right(), area.left() + metrics.horizontalAdvance(shown) + 1));
        m_painter.drawText(wide, int(alignment) | Qt::TextSingleLine, shown);
        m_painter.restore();
    }

    void paintLine(const ReportElement &e, qreal bandTop)
    {
        const QPointF from = m_map.point(e.rect.topLeft(), bandTop);
        const QPointF to = m_map.point(e.rect.bottomRight(), bandTop);
        m_painter.setPen(QPen(e.frameColor, e.frameWidth * m_map.kx, Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(from, to);
        if (e.arrowAtStart)
            paintArrowhead(from, to, e.frameColor);
        if (e.arrowAtEnd)
            paintArrowhead(to, from, e.frameColor);
    }

    // A filled arrowhead with its tip at tip, pointing away from the other end of the line.
    void paintArrowhead(const QPointF &tip, const QPointF &other, const QColor &color)
    {
        const QPointF d = tip - other;
        const qreal length = std::hypot(d.x(), d.y());
        if (length <= 0)
            return;
        const QPointF u(d.x() / length, d.y() / length);
        const QPointF n(-u.y(), u.x());
        const QPointF base = tip - QPointF(u.x() * ArrowLength * m_map.kx, u.y() * ArrowLength * m_map.ky);
        const QPointF side(n.x() * ArrowHalfWidth * m_map.kx, n.y() * ArrowHalfWidth * m_map.ky);
        QPainterPath path;
        path.moveTo(tip);
        path.lineTo(base + side);
        path.lineTo(base - side);
        path.closeSubpath();
        m_painter.fillPath(path, color);
    }

    void paintPicture(const ReportElement &e, const QRectF &box)
    {
        QSvgRenderer renderer(e.resource);
        if (renderer.isValid())
            renderer.render(&m_painter, box);
    }

    // One path of the dark runs of every row, filled once without antialiasing: neighbouring
    // squares painted apart leave hairline seams in a PDF viewer, and a reader needs sharp edges.
    void paintModules(const ReportElement &e, const QRectF &box)
    {
        if (e.modules.isEmpty() || e.modules.first().isEmpty())
            return;
        const qreal w = box.width() / e.modules.first().size();
        const qreal h = box.height() / e.modules.size();
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (qsizetype y = 0; y < e.modules.size(); ++y) {
            const QBitArray &row = e.modules.at(y);
            for (qsizetype x = 0; x < row.size();) {
                if (!row.testBit(x)) {
                    ++x;
                    continue;
                }
                const qsizetype start = x;
                while (x < row.size() && row.testBit(x))
                    ++x;
                path.addRect(box.left() + start * w, box.top() + y * h, (x - start) * w, h);
            }
        }
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.fillPath(path, e.textColor);
        m_painter.restore();
    }

    QPainter &m_painter;
    QPaintDevice *m_device;
    PageMapping m_map;
};

BandMetrics metricsOf(const ReportBand &band)
{
    BandMetrics m;
    m.height = band.height;
    for (const ReportElement &e : band.elements) {
        if (band.splittable && e.name == band.splitMemo && e.isMemo()) {
            m.splittable = true;
            m.memoTop = e.rect.top();
            m.linePitch = e.linePitch;
            m.lineCount = int(std::lround(e.rect.height() / e.linePitch));
        }
    }
    return m;
}

} // namespace

ReportLayout::ReportLayout(const QString &name, QPageLayout::Orientation orientation)
    : m_name(name)
    , m_orientation(orientation)
    , m_pageSize(QPageSize::A4)
    , m_marginsMm(10, 10, 10, 10)
{ }

QSizeF ReportLayout::printableSize() const
{
    QSizeF paper = m_pageSize.size(QPageSize::Millimeter);
    if (m_orientation == QPageLayout::Landscape)
        paper.transpose();
    return QSizeF((paper.width() - m_marginsMm.left() - m_marginsMm.right()) * UnitsPerMm,
        (paper.height() - m_marginsMm.top() - m_marginsMm.bottom()) * UnitsPerMm);
}

ReportBand &ReportLayout::addBand(const QString &name, qreal height, bool splittable)
{
    ReportBand &band = m_bands.emplace_back();
    band.name = name;
    band.height = height;
    band.splittable = splittable;
    return band;
}

ReportElement *ReportLayout::element(const QString &name)
{
    for (ReportBand &band : m_bands) {
        for (ReportElement &e : band.elements) {
            if (e.name == name)
                return &e;
        }
    }
    return nullptr;
}

bool ReportLayout::setText(const QString &name, const QString &text)
{
    ReportElement *e = element(name);
    if (!e || e->kind != ReportElement::Kind::Text)
        return false;
    if (e->isMemo())
        e->lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    else
        e->text = text;
    return true;
}

BandFlow ReportLayout::flow() const
{
    QList<BandMetrics> metrics;
    for (const ReportBand &band : m_bands)
        metrics.append(metricsOf(band));
    return FlowBands(metrics, printableSize().height());
}

int ReportLayout::pageCount() const
{
    return flow().pageCount;
}

bool ReportLayout::render(QPagedPaintDevice *device, QString *error) const
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!device)
        return fail(u"no device to print on"_s);

    // Full-page mode, so the margins are placed by the layout and not by each printer's own limits.
    QPageLayout wanted(m_pageSize, m_orientation, m_marginsMm, QPageLayout::Millimeter);
    wanted.setMode(QPageLayout::FullPageMode);
    if (!device->setPageLayout(wanted)) {
        device->setPageSize(m_pageSize);
        device->setPageOrientation(m_orientation);
    }

    PageMapping map;
    map.kx = device->logicalDpiX() / UnitsPerInch;
    map.ky = device->logicalDpiY() / UnitsPerInch;
    const QPageLayout actual = device->pageLayout();
    QPointF margins(m_marginsMm.left() * UnitsPerMm * map.kx, m_marginsMm.top() * UnitsPerMm * map.ky);
    if (actual.mode() != QPageLayout::FullPageMode)
        margins -= QPointF(actual.paintRectPixels(device->logicalDpiX()).topLeft());
    map.origin = margins;

    const BandFlow bandFlow = flow();

    QPainter painter;
    if (!painter.begin(device))
        return fail(u"the printer cannot be opened"_s);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    ElementPainter elements(painter, device, map);
    int page = 0;
    for (const BandPlacement &placement : bandFlow.placements) {
        while (page < placement.page) {
            if (!device->newPage()) {
                painter.end();
                return fail(u"the printer refused a new page"_s);
            }
            ++page;
        }
        const ReportBand &band = m_bands.at(placement.band);
        const BandMetrics metrics = metricsOf(band);
        for (const ReportElement &e : band.elements) {
            if (metrics.splittable && e.name == band.splitMemo) {
                const qreal top = placement.continued ? placement.top : placement.top + e.rect.top();
                elements.paintMemoPiece(e, top, placement.firstLine, placement.lineCount);
            } else if (!placement.continued) {
                elements.paint(e, placement.top);
            }
        }
    }
    if (!painter.end())
        return fail(u"the printer did not finish the document"_s);
    return true;
}

QStringList WrapReportText(const QString &text, const QString &fontFamily, qreal pointSize, qreal width)
{
    // Measured at the layout's own resolution, whatever the screen's.
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(ReportLayout::UnitsPerInch / 0.0254));
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    QFont font(fontFamily);
    font.setPointSizeF(pointSize);
    const QFontMetricsF metrics(font, &device);
    const auto fits = [&](const QString &line) { return metrics.horizontalAdvance(line) <= width; };

    QStringList lines;
    for (const QString &paragraph : QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + u' ' + word;
            if (fits(joined)) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            line.clear();
            // A word wider than the line is cut where it must be.
            for (const QChar c : word) {
                if (!line.isEmpty() && !fits(line + c)) {
                    lines.append(line);
                    line.clear();
                }
                line += c;
            }
        }
        lines.append(line);
    }
    return lines;
}
