#pragma once
// Where the bands of a report land on its pages: bands stack from the top of the printable area,
// a band that no longer fits starts a new page, and a splittable band breaks between its memo
// lines so a long body continues on as many pages as it needs.

#include <QList>

struct BandMetrics
{
    qreal height = 0; // the whole band
    bool splittable = false;
    qreal memoTop = 0; // splittable bands: top of the memo's first line inside the band
    qreal linePitch = 0; // splittable bands: height of one memo line
    int lineCount = 0; // splittable bands: memo lines
};

struct BandPlacement
{
    int band = 0; // index into the bands given
    int page = 0; // 0-based
    qreal top = 0; // from the top of the printable area
    int firstLine = 0; // splittable bands: the memo lines this piece shows
    int lineCount = 0;
    bool continued = false; // a later piece of a split band: its memo starts at the piece's top
};

struct BandFlow
{
    QList<BandPlacement> placements;
    int pageCount = 1;
};

BandFlow FlowBands(const QList<BandMetrics> &bands, qreal pageHeight);
