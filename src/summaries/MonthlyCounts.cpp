#include "summaries/MonthlyCounts.h"

#include "base/TextFunctions.h"
#include "storage/VisitFile.h"

MonthlyCounts CountVisitsPerMonth(const QString &yearFile, int year)
{
    MonthlyCounts counts {};
    ScanVisits(yearFile, [&](const VisitRecordView &card, int) {
        // The program's own date rule, so 5/3/2028 counts in March as the editor stored it.
        const std::optional<QDate> entered = ParseDate(card.field(VisitField::DataEnt));
        if (entered && entered->year() == year)
            ++counts[std::size_t(entered->month() - 1)];
        return true;
    });
    return counts;
}
