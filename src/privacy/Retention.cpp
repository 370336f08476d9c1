#include "privacy/Retention.h"

#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"
#include "base/WorkProgress.h"
#include "storage/StorageError.h"
#include "storage/StoredText.h"
#include "storage/VisitFile.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

constexpr std::array Emptied { F::Nome, F::CodFisc, F::TipoDoc, F::NumDoc, F::EnteRil, F::TelCel, F::Note };
const QString AnonymousName = u"Anonimo"_s;

enum class Verdict { Kept, Due, UnreadableDate };

// The one rule, on the decoded card and on the stored bytes alike.
Verdict verdictOf(std::optional<QDate> entered, bool wentOut, bool anonymous, const QDate &cutOff)
{
    // Whoever is still inside belongs to the roll-call, whatever the dates say.
    if (!wentOut || anonymous)
        return Verdict::Kept;
    if (!entered)
        return Verdict::UnreadableDate;
    return *entered < cutOff ? Verdict::Due : Verdict::Kept;
}

bool isAnonymous(const VisitRecordView &card)
{
    return card.bytes(F::Cognome) == QByteArrayView("Anonimo")
        && std::all_of(Emptied.cbegin(), Emptied.cend(), [&card](F field) { return card.isEmpty(field); });
}

Verdict verdictOf(const VisitRecordView &card, const QDate &cutOff)
{
    return verdictOf(StoredText::date(card.bytes(F::DataEnt)), !card.isEmpty(F::DataUsc), isAnonymous(card), cutOff);
}

Verdict verdictOf(const TSchedaVisita &card, const QDate &cutOff)
{
    return verdictOf(ParseDate(card.DataEnt), !card.DataUsc.isEmpty(), IsAnonymisedVisit(card), cutOff);
}

// Every year file, oldest first. Anything standing under a year file's name is listed, so a year
// that cannot be read is reported rather than silently kept whole.
QStringList yearFiles()
{
    static const QRegularExpression yearName(u"^[0-9]{4}\\.vis$"_s);
    QStringList names
        = QDir(ProgramFolder())
              .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    names.removeIf([](const QString &name) { return !yearName.match(name).hasMatch(); });
    QStringList paths;
    for (const QString &name : std::as_const(names))
        paths.append(ProgramFolder() + name);
    return paths;
}

struct FileVerdicts
{
    std::vector<int> due; // positions
    int unreadableDates = 0;
};

FileVerdicts judge(const QString &path, const QDate &cutOff)
{
    FileVerdicts verdicts;
    VisitFile::scan(path, [&](const VisitRecordView &card, int position) {
        switch (verdictOf(card, cutOff)) {
        case Verdict::Due:
            verdicts.due.push_back(position);
            break;
        case Verdict::UnreadableDate:
            ++verdicts.unreadableDates;
            break;
        case Verdict::Kept:
            break;
        }
        return true;
    });
    return verdicts;
}

} // namespace

TSchedaVisita AnonymisedVisit(const TSchedaVisita &card)
{
    TSchedaVisita anonymous = card;
    anonymous.Cognome = AnonymousName;
    for (const F field : Emptied)
        anonymous.field(field).clear();
    return anonymous;
}

bool IsAnonymisedVisit(const TSchedaVisita &card)
{
    return card.Cognome == AnonymousName
        && std::all_of(Emptied.cbegin(), Emptied.cend(), [&card](F field) { return card.field(field).isEmpty(); });
}

QDate RetentionCutOff(const QDate &today, int months)
{
    return today.addMonths(-months);
}

RetentionCount CountDueVisits(const QDate &cutOff)
{
    RetentionCount count;
    for (const QString &path : yearFiles()) {
        try {
            const FileVerdicts verdicts = judge(path, cutOff);
            count.due += int(verdicts.due.size());
            count.unreadableDates += verdicts.unreadableDates;
        } catch (const StorageError &error) {
            throw error.inFile(path);
        }
    }
    return count;
}

int AnonymiseDueVisits(const QDate &cutOff)
{
    int anonymised = 0;
    for (const QString &path : yearFiles()) {
        try {
            const FileVerdicts verdicts = judge(path, cutOff);
            if (verdicts.due.empty())
                continue;
            WorkProgress::expectRead(qint64(verdicts.due.size()) * TSchedaVisita::RecordSize);
            VisitFile file;
            file.open(path);
            for (const int position : verdicts.due) {
                // Written whole through the record, so no byte of the person is left in a field's
                // unused room either.
                const TSchedaVisita card = file.readAt(position);
                if (verdictOf(card, cutOff) == Verdict::Due) {
                    file.writeAt(position, AnonymisedVisit(card));
                    ++anonymised;
                }
                WorkProgress::read(TSchedaVisita::RecordSize);
            }
            file.close();
        } catch (const StorageError &error) {
            throw error.inFile(path);
        }
    }
    return anonymised;
}
