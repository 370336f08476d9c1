#include "summaries/MonthlyCounts.h"

#include "base/TextFunctions.h"
#include "storage/StoredText.h"
#include "storage/VisitFile.h"

MonthlyCounts CountVisitsPerMonth(const QString &yearFile, int year)
{
    MonthlyCounts counts {};
    // Cards of one day follow each other: the date read last is read once for all of them.
    QByteArray lastText;
    int lastMonth = 0; // 0: not counted
    VisitFile::scan(yearFile, [&](const VisitRecordView &card, int) {
        const QByteArrayView text = card.bytes(VisitField::DataEnt);
        if (text != lastText) {
            lastText = text.toByteArray();
            // The program's own date rule, so 5/3/2028 counts in March as the editor stored it.
            const std::optional<QDate> entered = StoredText::date(text);
            lastMonth = entered && entered->year() == year ? entered->month() : 0;
        }
        if (lastMonth > 0)
            ++counts[std::size_t(lastMonth - 1)];
        return true;
    });
    return counts;
}
