#include "visits/PeopleInside.h"

#include "base/TextFunctions.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "visits/PresenceLines.h"
#include "visits/UnrecordedExits.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Adds the cards of one year file that `keep` accepts, those open from an earlier day to
// `toVerify`; false when the file could not be read to its end. A missing file is left missing: an
// emergency print writes nothing.
template<typename Keep> bool readYear(int year, const QDate &today, PeopleInside &result, const Keep &keep)
{
    const QString path = VisitFilePath(QString::number(year));
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    try {
        VisitFile::scan(path, [&](const VisitRecordView &card, int) {
            if (IsPresenceListed(PresenceKind::NonUsciti, card, QString()) && keep(card))
                (IsOpenFromEarlierDay(card, year, today) ? result.toVerify : result.people).append(card.toRecord());
            return true;
        });
    } catch (const StorageError &) {
        return false;
    }
    return true;
}

} // namespace

bool IsInLastWeekOfYear(const QString &date, int year)
{
    const std::optional<QDate> parsed = ParseDate(date);
    if (!parsed || parsed->month() != 12 || parsed->day() < 26)
        return false;
    // Without a year the rule would take the clock's; on a card of that year's file it is that year.
    const bool withYear = TrimText(date).count(u'/') >= 2;
    return !withYear || parsed->year() == year;
}

PeopleInside ReadPeopleInside(const QDate &today)
{
    PeopleInside result;
    const int lastYear = today.year() - 1;
    const auto lastWeek = [lastYear](const VisitRecordView &card) {
        return IsInLastWeekOfYear(card.field(VisitField::DataEnt), lastYear);
    };
    if (!readYear(lastYear, today, result, lastWeek))
        result.unreadableFiles.append(QString::number(lastYear) + u".vis"_s);
    if (!readYear(today.year(), today, result, [](const VisitRecordView &) { return true; }))
        result.unreadableFiles.append(QString::number(today.year()) + u".vis"_s);

    const auto byName = [](const TSchedaVisita &a, const TSchedaVisita &b) {
        const int bySurname = QString::compare(a.Cognome, b.Cognome, Qt::CaseInsensitive);
        if (bySurname != 0)
            return bySurname < 0;
        return QString::compare(a.Nome, b.Nome, Qt::CaseInsensitive) < 0;
    };
    std::stable_sort(result.people.begin(), result.people.end(), byName);
    std::stable_sort(result.toVerify.begin(), result.toVerify.end(), byName);
    return result;
}
