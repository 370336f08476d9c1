#pragma once
// A horizontal strip of a report layout, as wide as the printable area: bands are printed one
// below the other, and a splittable band may continue on the next pages between its memo lines.

#include "output/ReportElement.h"

#include <QList>

struct ReportBand
{
    QString name;
    qreal height = 0; // layout units
    // Splits between the lines of the memo named here when the rest of the page is too short.
    bool splittable = false;
    QString splitMemo;
    QList<ReportElement> elements;
};
