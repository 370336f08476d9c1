#include "clients/InstalmentsDue.h"

#include "base/TextFunctions.h"
#include "clients/ClientCardRules.h"
#include "storage/ListedRecord.h"
#include "storage/StorageError.h"

using namespace Qt::StringLiterals;

namespace {

using F = ClientField;

template<typename Card> QString line(const Card &card)
{
    QString out = NameColumn(ListedField(card, F::Cognome), ListedField(card, F::Nome), 30);
    out += u"  Tel. "_s + FixedColumn(ListedField(card, F::Recapito), 12);
    out += u"  Scad. "_s + FixedColumn(ListedField(card, F::Scadenza), 10);
    out += u"  Rata: € "_s + FixedColumn(ListedField(card, F::Rata), 15);
    return out + u"  Acquisto: "_s + ListedField(card, F::Acquisto);
}

// A whole number in decimal digits, with an optional sign.
std::optional<int> wholeNumber(const QString &text)
{
    const QString digits = text.startsWith(u'+') || text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty() || !IsAllDigits(digits))
        return std::nullopt;
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

std::optional<QDate> InstalmentNoticeDay(const QString &scadenza, const QString &preavviso)
{
    const std::optional<QDate> due = ParseDate(TrimText(scadenza));
    const std::optional<int> notice = wholeNumber(TrimText(preavviso));
    if (!due || !notice)
        return std::nullopt;
    return due->addDays(-qint64(*notice));
}

QString InstalmentDueLine(const TSchedaAnagrafica &card)
{
    return line(card);
}

QString InstalmentDueLine(const ClientRecordView &card)
{
    return line(card);
}

ListedLines ReadInstalmentsDue(const QDate &today)
{
    ListedLines result;
    try {
        ClientFile::scan(ClientFilePath(), [&](const ClientRecordView &card, int position) {
            // One card with an unreadable date or notice must not hide the cards after it.
            const std::optional<QDate> from = InstalmentNoticeDay(card.field(F::Scadenza), card.field(F::Preavviso));
            // A card saved with the editor's defaults has a due date but no plan: nothing to remind.
            const bool plan = !IsBlankOrZeroAmount(card.field(F::Totale)) || !IsBlankOrZeroAmount(card.field(F::Rata));
            if (from && *from <= today && plan) {
                result.lines.append(line(card));
                result.positions.append(position);
            }
            return true;
        });
    } catch (const StorageError &) {
        // The list fills silently: whatever was read before the failure stays listed.
        result.complete = false;
    }
    return result;
}

std::optional<ClientCard> FindInstalmentDueCard(const QString &chosenLine, int listedPosition)
{
    return FindListedRecord<TSchedaAnagrafica>(
        ClientFilePath(), chosenLine, listedPosition, 30, [](const auto &card) { return line(card); });
}
