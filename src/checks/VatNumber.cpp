#include "checks/VatNumber.h"

#include "base/TextFunctions.h"
#include "checks/Luhn.h"

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// Offices of the codes 001 to 100, in code order, ten to a row.
// clang-format off
constexpr const char16_t *OfficeNames[] = {
    u"Torino", u"Vercelli", u"Novara", u"Cuneo", u"Asti",
    u"Alessandria", u"Aosta", u"Imperia", u"Savona", u"Genova 1",
    u"La Spezia", u"Varese", u"Como", u"Sondrio", u"Milano 1",
    u"Bergamo", u"Brescia 1", u"Pavia", u"Cremona", u"Mantova",
    u"Bolzano", u"Trento", u"Verona", u"Vicenza", u"Belluno",
    u"Treviso", u"Venezia", u"Padova", u"Rovigo", u"Udine",
    u"Gorizia", u"Trieste", u"Piacenza", u"Parma", u"Reggio Emilia",
    u"Modena", u"Bologna 1", u"Ferrara", u"Ravenna", u"Forlì",
    u"Pesaro", u"Ancona", u"Macerata", u"Ascoli Piceno", u"Massa Carrara",
    u"Lucca", u"Pistoia", u"Firenze 1", u"Livorno", u"Pisa",
    u"Arezzo", u"Siena", u"Grosseto", u"Perugia", u"Terni",
    u"Viterbo", u"Rieti", u"Roma 1", u"Latina", u"Frosinone",
    u"Caserta", u"Benevento", u"Napoli 1", u"Avellino", u"Salerno",
    u"Aquila", u"Teramo", u"Pescara", u"Chieti", u"Campobasso",
    u"Foggia", u"Bari", u"Taranto", u"Brindisi", u"Lecce",
    u"Potenza", u"Matera", u"Cosenza", u"Catanzaro", u"Reggio Calabria",
    u"Trapani", u"Palermo", u"Messina", u"Agrigento", u"Caltanissetta",
    u"Enna", u"Catania", u"Ragusa", u"Siracusa", u"Sassari",
    u"Nuoro", u"Cagliari", u"Pordenone", u"Isernia", u"Oristano",
    u"Monza (Milano 2)", u"Prato (Firenze 2)", u"Brescia 2", u"Chiavari (Genova 2)", u"Roma 2",
};
// clang-format on
static_assert(std::size(OfficeNames) == 100);

} // namespace

QString VatOfficeName(const QString &code)
{
    if (code.size() != 3 || !IsAllDigits(code))
        return {};
    const int number = code.toInt();
    if (number >= 1 && number <= 100)
        return QString::fromUtf16(OfficeNames[number - 1]);
    // Bologna 2 and Napoli 2 each have two codes.
    if (number == 101 || number == 120)
        return u"Bologna 2"_s;
    if (number == 102 || number == 121)
        return u"Napoli 2"_s;
    return {};
}

VatNumberResult CheckVatNumber(const QString &text)
{
    const QString number = UpperAZ(text);
    if (number.size() != VatNumberLength)
        return { VatNumberOutcome::WrongLength, {}, {} };
    if (!IsAllDigits(number))
        return { VatNumberOutcome::Invalid, {}, {} };
    const int expected = LuhnCheckDigit(QStringView(number).first(VatNumberLength - 1));
    if (number.at(VatNumberLength - 1).unicode() - u'0' != expected)
        return { VatNumberOutcome::Invalid, {}, {} };
    const QString code = number.mid(7, 3);
    return { VatNumberOutcome::Valid, code, VatOfficeName(code) };
}

CheckMessage VatNumberMessage(const VatNumberResult &result)
{
    switch (result.outcome) {
    case VatNumberOutcome::WrongLength:
        return { CheckMessage::Kind::Warning,
            u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s };
    case VatNumberOutcome::Valid:
        if (result.office.isEmpty())
            return { CheckMessage::Kind::Information,
                u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl codice dell'Ufficio IVA ("_s
                    + result.officeCode + u") non è tra quelli conosciuti."_s };
        return { CheckMessage::Kind::Information,
            u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
            u"E' stato rilasciato dall'Ufficio IVA del Comune di "_s
                + result.office + u"."_s };
    case VatNumberOutcome::Invalid:
        break;
    }
    return { CheckMessage::Kind::Warning,
        u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
        u"Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s };
}
