#include "output/BandFlow.h"

#include <algorithm>
#include <cmath>

namespace {
// Positions come from decimal millimetres; a line that fits exactly must not be pushed over.
constexpr qreal Tolerance = 1e-6;
} // namespace

BandFlow FlowBands(const QList<BandMetrics> &bands, qreal pageHeight)
{
    BandFlow flow;
    int page = 0;
    qreal y = 0;
    auto newPage = [&]() {
        ++page;
        y = 0;
    };

    for (int i = 0; i < bands.size(); ++i) {
        const BandMetrics &band = bands.at(i);
        if (!band.splittable || band.linePitch <= 0) {
            if (y > 0 && y + band.height > pageHeight + Tolerance)
                newPage();
            flow.placements.append({ i, page, y, 0, 0, false });
            y += band.height;
            continue;
        }

        const qreal trailing = std::max<qreal>(0, band.height - band.memoTop - band.lineCount * band.linePitch);
        int first = 0;
        int remaining = band.lineCount;
        while (true) {
            const bool continued = first > 0;
            const qreal lead = continued ? 0 : band.memoTop;
            const qreal room = pageHeight - y - lead;
            int fits = room < 0 ? 0 : int(std::floor(room / band.linePitch + Tolerance));
            if (fits <= 0 && y <= 0 && remaining > 0)
                fits = 1; // a line taller than a page still has to go somewhere
            if (fits >= remaining) {
                flow.placements.append({ i, page, y, first, remaining, continued });
                // The gap after the last line never pushes anything to a page of its own.
                y = std::min(pageHeight, y + lead + remaining * band.linePitch + trailing);
                break;
            }
            if (fits <= 0) {
                newPage();
                continue;
            }
            flow.placements.append({ i, page, y, first, fits, continued });
            first += fits;
            remaining -= fits;
            newPage();
        }
    }
    flow.pageCount = page + 1;
    return flow;
}
