// The shared text rules on any text: dates, trimming, casing, the cutting functions, fixed
// columns, decimal rounding, the position label, the visit card's save checks and the Latin
// transcription of what the archive cannot store.

#include "FuzzSupport.h"

#include "base/RecordStep.h"
#include "base/TextFunctions.h"
#include "clients/ClientCardRules.h"
#include "storage/StorableText.h"
#include "visits/VisitCardRules.h"

#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(-5, 300);
    const int places = input.ConsumeIntegralInRange(-5, 30);
    const double number = input.ConsumeFloatingPoint<double>();
    QStringList boxes;
    for (int i = 0; i < TSchedaVisita::FieldCount && input.remaining_bytes() > 0; ++i)
        boxes << TakeText(input, 60);
    const QString text = RemainingText(input);

    // Dates: a valid text names a real date, and the date written out reads back the same.
    const std::optional<QDate> date = ParseDate(text);
    FUZZ_CHECK(IsValidDate(text) == date.has_value());
    if (date) {
        FUZZ_CHECK(date->isValid() && date->year() >= 1);
        FUZZ_CHECK(ParseDate(DateText(*date)) == date);
    }

    const QString trimmed = TrimText(text);
    FUZZ_CHECK(TrimText(trimmed) == trimmed);
    FUZZ_CHECK(trimmed.isEmpty() || (trimmed.front().unicode() > 32 && trimmed.back().unicode() > 32));
    FUZZ_CHECK(UpperAZ(text).size() == text.size() && LowerAZ(UpperAZ(text)) == LowerAZ(text));
    FUZZ_CHECK(TrimUpperAZ(text) == UpperAZ(trimmed));
    (void)IsAllDigits(text);

    FUZZ_CHECK(LeftText(text, width).size() == std::clamp<qsizetype>(width, 0, text.size()));
    if (width >= 0)
        FUZZ_CHECK(FixedColumn(text, width).size() == width);

    const double rounded = RoundToDecimals(number, places);
    if (std::isfinite(number) && std::fabs(number) < 1e15 && places >= 0 && places <= 6)
        FUZZ_CHECK(std::isfinite(rounded) && std::fabs(rounded - number) <= 1.0);

    // An amount left in its box reads back as itself: never a form that is no number next time.
    const QString amount = NormaliseAmount(text);
    FUZZ_CHECK(!amount.isEmpty() && NormaliseAmount(amount) == amount);

    // What the archive cannot store is written in Latin letters it can store; text it can store stays.
    const QString storable = StorableTranscription(text);
    FUZZ_CHECK(UnstorableCharacters(storable).isEmpty() && TrimText(storable) == storable);
    if (UnstorableCharacters(text).isEmpty() && !trimmed.contains(u"  "_s))
        FUZZ_CHECK(storable == trimmed);

    // Every arrow of the record bar leads to a card of the file, or nowhere.
    for (RecordArrow arrow : { RecordArrow::First, RecordArrow::Previous, RecordArrow::Next, RecordArrow::Last }) {
        const RecordStep step = ArrowStep(arrow, std::max(0, places), width);
        if (step.action == RecordStep::Action::Load)
            FUZZ_CHECK(step.position >= 1 && step.position <= width);
    }

    // A card of any typed texts is either refused with one message or saved with valid dates and
    // times, the exit not before the entry.
    const TSchedaVisita card = VisitCardFromTexts(boxes);
    if (const std::optional<VisitSaveFailure> failure = CheckVisitCardForSave(card)) {
        FUZZ_CHECK(!failure->message.isEmpty());
    } else {
        FUZZ_CHECK(IsValidDate(card.DataEnt));
        FUZZ_CHECK(IsValidTime(card.OraEnt) && (card.OraUsc.isEmpty() || IsValidTime(card.OraUsc)));
        const TSchedaVisita full = VisitCardAsStored(card);
        FUZZ_CHECK(ParseDate(full.DataEnt) == ParseDate(card.DataEnt));
        FUZZ_CHECK(full.DataEnt.size() == 10);
        FUZZ_CHECK(ParseTime(full.OraEnt) == ParseTime(card.OraEnt) && full.OraEnt.size() == 5);
        if (!full.DataUsc.isEmpty())
            FUZZ_CHECK(std::pair(ParseDate(full.DataUsc), ParseTime(full.OraUsc))
                >= std::pair(ParseDate(full.DataEnt), ParseTime(full.OraEnt)));
    }
    return 0;
}
