#pragma once
// The one source of "now" for the whole program; tests fix it to a known moment.

#include <QDateTime>

class Clock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    // Fixes the clock at the given moment; an invalid moment gives the system clock back.
    static void setFixed(const QDateTime &moment);
    static void reset() { setFixed(QDateTime()); }
};
