#include "summaries/VisitSummary.h"

#include "base/TextFunctions.h"
#include "storage/StorageError.h"
#include "storage/StoredText.h"
#include "storage/VisitFile.h"
#include "storage/VisitLines.h"

using namespace Qt::StringLiterals;

VisitSummary ReadVisitSummary(const SummaryRequest &request)
{
    VisitSummary summary;
    const std::optional<QDate> start = ParseDate(request.start);
    const std::optional<QDate> end = ParseDate(request.end);
    const bool anyReason = TrimText(request.reason).isEmpty();
    const FoldedKey reason(LowerAZ(request.reason));
    LineBytes line;
    try {
        VisitFile::scan(request.yearFile, [&](const VisitRecordView &card, int) {
            if (!anyReason && !reason.foundIn(card.bytes(VisitField::Motivo)))
                return true;
            // A card whose entry date is no date (typed by hand elsewhere, a damaged record) lies in
            // no period: it is left out, and the cards after it still count.
            const std::optional<QDate> entered = StoredText::date(card.bytes(VisitField::DataEnt));
            if (entered && start && end && *start <= *entered && *entered <= *end) {
                VisitSearchLineBytes(card, line);
                summary.lines.append(StoredText::decode(line.view()));
            }
            return true;
        });
    } catch (const StorageError &) {
        summary.readable = false;
    }
    return summary;
}

QString SummaryReasonHeading(const QString &reason)
{
    const QString trimmed = TrimText(reason);
    return trimmed.isEmpty() ? u"Tutti i motivi"_s : trimmed;
}

QString SummaryIntervalText(const QString &start, const QString &end)
{
    return u"Dal   "_s + TrimText(start) + u"   al   "_s + TrimText(end);
}

QString SummaryReportTitle(const QString &heading)
{
    return u"Visite dovute al seguente motivo: "_s + TrimText(heading);
}

QStringList SummaryReportLines(const QStringList &lines, const QString &interval, const QString &total)
{
    QStringList out = lines;
    out.append(u"- - - - - - - - - - - - - - - -"_s);
    out.append(u"INTERVALLO SELEZIONATO:    "_s + TrimText(interval));
    out.append(u"TOTALE VISITE:  "_s + TrimText(total));
    return out;
}
