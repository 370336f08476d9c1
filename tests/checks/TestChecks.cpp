#include "checks/CardNumber.h"
#include "checks/FiscalCode.h"
#include "checks/IbanCheck.h"
#include "checks/Luhn.h"
#include "checks/VatNumber.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FiscalCodeOutcome)
Q_DECLARE_METATYPE(VatNumberOutcome)
Q_DECLARE_METATYPE(CardNumberOutcome)
Q_DECLARE_METATYPE(IbanOutcome)
Q_DECLARE_METATYPE(CheckMessage)

namespace {

const QString ValidCode = u"BNCLRA80A41H501D"_s;

CheckMessage warning(const QString &text)
{
    return { CheckMessage::Kind::Warning, text };
}

CheckMessage information(const QString &text)
{
    return { CheckMessage::Kind::Information, text };
}

} // namespace

class TestChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fiscalCodeButtonChoice_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opensVatCheck");
        QTest::newRow("eleven digits") << u"12345670587"_s << true;
        QTest::newRow("digits within blanks") << u"  0123  "_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << u"   "_s << false;
        QTest::newRow("fiscal code") << ValidCode << false;
        QTest::newRow("inner blank") << u"123 456"_s << false;
    }
    void fiscalCodeButtonChoice()
    {
        QFETCH(QString, text);
        QFETCH(bool, opensVatCheck);
        QCOMPARE(FiscalCodeBoxOpensVatCheck(text), opensVatCheck);
    }

    void fiscalCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FiscalCodeOutcome>("outcome");
        using O = FiscalCodeOutcome;
        QTest::newRow("valid") << ValidCode << O::Valid;
        QTest::newRow("wrong check character") << u"BNCLRA80A41H501E"_s << O::Invalid;
        QTest::newRow("small letters") << u"bnclra80a41h501d"_s << O::Valid;
        QTest::newRow("mixed case") << u"BnClRa80a41H501d"_s << O::Valid;
        QTest::newRow("letters for digits pass") << u"BNCLRAULAQMHRLMN"_s << O::Valid;
        QTest::newRow("15 characters") << u"BNCLRA80A41H501"_s << O::WrongLength;
        QTest::newRow("17 characters") << u"BNCLRA80A41H501DX"_s << O::WrongLength;
        QTest::newRow("empty") << QString() << O::WrongLength;
        // The seven signs between "9" and "A" have no value: worth 0, this code would add up.
        for (const char16_t sign : u":;<=>?@")
            QTest::addRow("sign %c between 9 and A", char(sign))
                << u"BNCLRA8%1A41H501D"_s.arg(QChar(sign)) << O::Invalid;
        // Position 8 holds "0", worth 0: were a foreign character read as 0, these would pass.
        QTest::newRow("inner blank") << u"BNCLRA8 A41H501D"_s << O::Invalid;
        QTest::newRow("dot") << u"BNCLRA8.A41H501D"_s << O::Invalid;
        QTest::newRow("slash just below 0") << u"BNCLRA8/A41H501D"_s << O::Invalid;
        QTest::newRow("bracket just above Z") << u"BNCLRA8[A41H501D"_s << O::Invalid;
        QTest::newRow("accented letter") << u"BNCLRA8èA41H501D"_s << O::Invalid;
        QTest::newRow("far outside") << u"BNCLRA8\u4E2DA41H501D"_s << O::Invalid;
        QTest::newRow("leading blank") << u" NCLRA80A41H501D"_s << O::Invalid;
        QTest::newRow("foreign check character") << u"BNCLRA80A41H501é"_s << O::Invalid;
    }
    void fiscalCode()
    {
        QFETCH(QString, text);
        QFETCH(FiscalCodeOutcome, outcome);
        QCOMPARE(CheckFiscalCode(text), outcome);
    }

    // Every character at an odd and at an even position, all other positions worth 0, so the check
    // character is the letter of the character's value in the official tables.
    void fiscalCodeTables_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QChar>("expected");
        const QString characters = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
        const QString oddChecks = u"BAFHJNPRTV"_s + u"BAFHJNPRTVCESULDGIMOQKWZYX"_s;
        const QString evenChecks = u"ABCDEFGHIJ"_s + u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
        for (qsizetype i = 0; i < characters.size(); ++i) {
            const QChar c = characters.at(i);
            QString odd = u"B0B0B0B0B0B0B0B"_s;
            odd[4] = c;
            QTest::addRow("odd %c", char(c.unicode())) << odd << oddChecks.at(i);
            QString even = u"B0B0B0B0B0B0B0B"_s;
            even[13] = c;
            QTest::addRow("even %c", char(c.unicode())) << even << evenChecks.at(i);
        }
        QTest::newRow("sample code") << ValidCode.left(15) << QChar(u'D');
    }
    void fiscalCodeTables()
    {
        QFETCH(QString, code);
        QFETCH(QChar, expected);
        const std::optional<QChar> actual = FiscalCodeCheckCharacter(code);
        QVERIFY(actual.has_value());
        QCOMPARE(*actual, expected);
        QCOMPARE(CheckFiscalCode(code + expected), FiscalCodeOutcome::Valid);
    }

    // Doubling runs leftwards from the last given digit, whatever the count of digits.
    void luhnCheckDigit_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("check");
        QTest::newRow("no digits") << QString() << 0;
        QTest::newRow("one digit doubled past 9") << u"9"_s << 1;
        QTest::newRow("two digits") << u"18"_s << 2;
        QTest::newRow("even count") << u"7992739871"_s << 3;
        QTest::newRow("odd count, Visa") << u"411111111111111"_s << 1;
        QTest::newRow("VAT number") << u"1234567058"_s << 7;
    }
    void luhnCheckDigit()
    {
        QFETCH(QString, digits);
        QFETCH(int, check);
        QCOMPARE(LuhnCheckDigit(digits), check);
    }

    void vatNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<VatNumberOutcome>("outcome");
        QTest::addColumn<QString>("office");
        using O = VatNumberOutcome;
        QTest::newRow("Roma 1") << u"12345670587"_s << O::Valid << u"Roma 1"_s;
        QTest::newRow("wrong check digit") << u"12345670588"_s << O::Invalid << QString();
        QTest::newRow("Bologna 2 by 120") << u"01234561205"_s << O::Valid << u"Bologna 2"_s;
        QTest::newRow("all zeros, no office") << u"00000000000"_s << O::Valid << QString();
        QTest::newRow("office 150 unknown") << u"76543211502"_s << O::Valid << QString();
        QTest::newRow("ten digits") << u"1234567058"_s << O::WrongLength << QString();
        QTest::newRow("twelve digits") << u"123456705870"_s << O::WrongLength << QString();
        QTest::newRow("empty") << QString() << O::WrongLength << QString();
        QTest::newRow("letter last") << u"1234567058A"_s << O::Invalid << QString();
        QTest::newRow("small letter inside") << u"12345a70587"_s << O::Invalid << QString();
        // ':' would pass as digit 10 in a sum that takes character codes blindly.
        QTest::newRow("sign after 9") << u"1234567058:"_s << O::Invalid << QString();
        QTest::newRow("blank inside") << u"1234567 587"_s << O::Invalid << QString();
    }
    void vatNumber()
    {
        QFETCH(QString, text);
        QFETCH(VatNumberOutcome, outcome);
        QFETCH(QString, office);
        const VatNumberResult result = CheckVatNumber(text);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.office, office);
    }

    void vatOffices_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("office");
        // Codes 001 to 100 in order.
        const QStringList offices = {
            u"Torino"_s,
            u"Vercelli"_s,
            u"Novara"_s,
            u"Cuneo"_s,
            u"Asti"_s,
            u"Alessandria"_s,
            u"Aosta"_s,
            u"Imperia"_s,
            u"Savona"_s,
            u"Genova 1"_s,
            u"La Spezia"_s,
            u"Varese"_s,
            u"Como"_s,
            u"Sondrio"_s,
            u"Milano 1"_s,
            u"Bergamo"_s,
            u"Brescia 1"_s,
            u"Pavia"_s,
            u"Cremona"_s,
            u"Mantova"_s,
            u"Bolzano"_s,
            u"Trento"_s,
            u"Verona"_s,
            u"Vicenza"_s,
            u"Belluno"_s,
            u"Treviso"_s,
            u"Venezia"_s,
            u"Padova"_s,
            u"Rovigo"_s,
            u"Udine"_s,
            u"Gorizia"_s,
            u"Trieste"_s,
            u"Piacenza"_s,
            u"Parma"_s,
            u"Reggio Emilia"_s,
            u"Modena"_s,
            u"Bologna 1"_s,
            u"Ferrara"_s,
            u"Ravenna"_s,
            u"Forlì"_s,
            u"Pesaro"_s,
            u"Ancona"_s,
            u"Macerata"_s,
            u"Ascoli Piceno"_s,
            u"Massa Carrara"_s,
            u"Lucca"_s,
            u"Pistoia"_s,
            u"Firenze 1"_s,
            u"Livorno"_s,
            u"Pisa"_s,
            u"Arezzo"_s,
            u"Siena"_s,
            u"Grosseto"_s,
            u"Perugia"_s,
            u"Terni"_s,
            u"Viterbo"_s,
            u"Rieti"_s,
            u"Roma 1"_s,
            u"Latina"_s,
            u"Frosinone"_s,
            u"Caserta"_s,
            u"Benevento"_s,
            u"Napoli 1"_s,
            u"Avellino"_s,
            u"Salerno"_s,
            u"Aquila"_s,
            u"Teramo"_s,
            u"Pescara"_s,
            u"Chieti"_s,
            u"Campobasso"_s,
            u"Foggia"_s,
            u"Bari"_s,
            u"Taranto"_s,
            u"Brindisi"_s,
            u"Lecce"_s,
            u"Potenza"_s,
            u"Matera"_s,
            u"Cosenza"_s,
            u"Catanzaro"_s,
            u"Reggio Calabria"_s,
            u"Trapani"_s,
            u"Palermo"_s,
            u"Messina"_s,
            u"Agrigento"_s,
            u"Caltanissetta"_s,
            u"Enna"_s,
            u"Catania"_s,
            u"Ragusa"_s,
            u"Siracusa"_s,
            u"Sassari"_s,
            u"Nuoro"_s,
            u"Cagliari"_s,
            u"Pordenone"_s,
            u"Isernia"_s,
            u"Oristano"_s,
            u"Monza (Milano 2)"_s,
            u"Prato (Firenze 2)"_s,
            u"Brescia 2"_s,
            u"Chiavari (Genova 2)"_s,
            u"Roma 2"_s,
        };
        QCOMPARE(offices.size(), 100);
        for (int code = 1; code <= 100; ++code) {
            const QString text = u"%1"_s.arg(code, 3, 10, QChar(u'0'));
            QTest::newRow(qPrintable(text)) << text << offices.at(code - 1);
        }
        QTest::newRow("101") << u"101"_s << u"Bologna 2"_s;
        QTest::newRow("102") << u"102"_s << u"Napoli 2"_s;
        QTest::newRow("120") << u"120"_s << u"Bologna 2"_s;
        QTest::newRow("121") << u"121"_s << u"Napoli 2"_s;
        QTest::newRow("000") << u"000"_s << QString();
        QTest::newRow("103") << u"103"_s << QString();
        QTest::newRow("119") << u"119"_s << QString();
        QTest::newRow("122") << u"122"_s << QString();
        QTest::newRow("two digits") << u"58"_s << QString();
        QTest::newRow("sign") << u"-58"_s << QString();
    }
    void vatOffices()
    {
        QFETCH(QString, code);
        QFETCH(QString, office);
        QCOMPARE(VatOfficeName(code), office);
    }

    void vatOfficeTableSize()
    {
        int named = 0;
        for (int code = 0; code < 1000; ++code)
            named += VatOfficeName(u"%1"_s.arg(code, 3, 10, QChar(u'0'))).isEmpty() ? 0 : 1;
        QCOMPARE(named, 104);
    }

    void cardNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CardNumberOutcome>("outcome");
        QTest::addColumn<QString>("network");
        using O = CardNumberOutcome;
        QTest::newRow("Visa with blanks") << u"4111 1111 1111 1111"_s << O::Valid << u"Visa"_s;
        QTest::newRow("American Express") << u"378282246310005"_s << O::Valid << u"American Express"_s;
        QTest::newRow("Diners") << u"30569309025904"_s << O::Valid << u"Diner's Club / Carte Blanche"_s;
        QTest::newRow("JCB") << u"3530111333300000"_s << O::Valid << u"JCB"_s;
        QTest::newRow("MasterCard") << u"5555555555554444"_s << O::Valid << u"MasterCard"_s;
        QTest::newRow("Discover") << u"6011111111111117"_s << O::Valid << u"Discover"_s;
        QTest::newRow("starts 32") << u"3200000000000002"_s << O::UnknownNetwork << QString();
        QTest::newRow("starts 39") << u"3900000000000005"_s << O::UnknownNetwork << QString();
        QTest::newRow("MasterCard 2223") << u"2223000048400011"_s << O::Valid << u"MasterCard"_s;
        QTest::newRow("MasterCard 2221") << u"2221000000000009"_s << O::Valid << u"MasterCard"_s;
        QTest::newRow("MasterCard 2720") << u"2720 0000 0000 0005"_s << O::Valid << u"MasterCard"_s;
        QTest::newRow("starts 2220") << u"2220000000000000"_s << O::Invalid << QString();
        QTest::newRow("starts 2721") << u"2721000000000004"_s << O::Invalid << QString();
        QTest::newRow("MasterCard 2221 Luhn fails") << u"2221000000000008"_s << O::Invalid << QString();
        QTest::newRow("starts 7") << u"7000000000000005"_s << O::Invalid << QString();
        QTest::newRow("starts 8") << u"8000000000000003"_s << O::Invalid << QString();
        QTest::newRow("starts 9") << u"9000000000000001"_s << O::Invalid << QString();
        QTest::newRow("starts 0") << u"0000000000000000"_s << O::Invalid << QString();
        QTest::newRow("starts 1") << u"1000000000000008"_s << O::Invalid << QString();
        QTest::newRow("Luhn fails") << u"4111111111111112"_s << O::Invalid << QString();
        // Only the first 20 digits count: the 22-digit number fails, its first 20 pass, and the reverse.
        QTest::newRow("22 digits, first 20 pass") << u"4000000000000000000201"_s << O::Valid << u"Visa"_s;
        QTest::newRow("22 digits, first 20 fail") << u"4000000000000000000101"_s << O::Invalid << QString();
        QTest::newRow("blanks count among 20") << u"4111 1111 1111 1111 0001"_s << O::Valid << u"Visa"_s;
        QTest::newRow("no digits") << u"abc"_s << O::Invalid << QString();
        QTest::newRow("empty") << QString() << O::Empty << QString();
        QTest::newRow("blanks only") << u"   "_s << O::Empty << QString();
    }
    void cardNumber()
    {
        QFETCH(QString, text);
        QFETCH(CardNumberOutcome, outcome);
        QFETCH(QString, network);
        const CardNumberResult result = CheckCardNumber(text);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.network, network);
    }

    void cardCheckValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("3") << u"378282246310005"_s << 1;
        QTest::newRow("4") << u"4111-1111-1111-1111"_s << 2;
        QTest::newRow("7") << u"7000000000000005"_s << 5;
        QTest::newRow("9") << u"9000000000000001"_s << 7;
        QTest::newRow("2") << u"2223000048400011"_s << 0;
        QTest::newRow("0") << u"0000000000000000"_s << -2;
        QTest::newRow("1") << u"1000000000000008"_s << -1;
        QTest::newRow("one digit 0") << u"0"_s << -2;
        QTest::newRow("one digit 5") << u"5"_s << 0;
        QTest::newRow("fails") << u"378282246310006"_s << 0;
        QTest::newRow("no digits") << u"-"_s << 0;
    }
    void cardCheckValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(CardCheckValue(text), value);
    }

    void cardNumberDigits()
    {
        QCOMPARE(CardNumberDigits(u"12 34-56x7890123456789012345"_s), u"12345678901234567"_s);
        QCOMPARE(CardNumberDigits(u"1234567890123456789012"_s), u"12345678901234567890"_s);
        QCOMPARE(CardNumberDigits(u"١٢٣"_s), QString()); // other scripts' digits are not card digits
    }

    void iban_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<IbanOutcome>("outcome");
        using O = IbanOutcome;
        QTest::newRow("valid") << u"IT60X0542811101000000123456"_s << O::Valid;
        QTest::newRow("small letters") << u"it60x0542811101000000123456"_s << O::Valid;
        QTest::newRow("outer blanks") << u"  IT60X0542811101000000123456 "_s << O::Valid;
        QTest::newRow("check digits 61") << u"IT61X0542811101000000123456"_s << O::Invalid;
        QTest::newRow("slash") << u"IT60X054281110100000012345/"_s << O::Invalid;
        QTest::newRow("minus") << u"IT60-0542811101000000123456"_s << O::Invalid;
        QTest::newRow("inner blanks, 27 with them") << u"IT60 X054 2811 1010 0000 01"_s << O::Invalid;
        QTest::newRow("26 characters") << u"IT60X054281110100000012345"_s << O::WrongLength;
        QTest::newRow("valid with inner blanks is too long")
            << u"IT60 X054 2811 1010 0000 0123 456"_s << O::WrongLength;
        QTest::newRow("empty") << QString() << O::WrongLength;
    }
    void iban()
    {
        QFETCH(QString, text);
        QFETCH(IbanOutcome, outcome);
        QCOMPARE(CheckIban(text), outcome);
    }

    // Remainders worked out independently with whole-number arithmetic.
    void ibanCheckValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("valid") << u"IT60X0542811101000000123456"_s << 1;
        QTest::newRow("inner blanks") << u"IT60 X054 2811 1010 0000 0123 456"_s << 1;
        QTest::newRow("other country") << u"GB82WEST12345698765432"_s << 1;
        QTest::newRow("word IBAN first") << u"IBAN IT60X0542811101000000123456"_s << 1;
        QTest::newRow("word IBAN inside") << u"IT60X054281IBAN1101000000123456"_s << 1;
        QTest::newRow("word IBAN small") << u"iban it60x0542811101000000123456"_s << 1;
        QTest::newRow("only the first IBAN goes") << u"IBANIBANIT60X0542811101000000123456"_s << 36;
        QTest::newRow("61") << u"IT61X0542811101000000123456"_s << 2;
        QTest::newRow("last digit") << u"IT60X0542811101000000123457"_s << 28;
        QTest::newRow("blanks 27") << u"IT60 X054 2811 1010 0000 01"_s << 48;
        QTest::newRow("long 1") << u"9P34Y6N3WD25RQ4F5ZR37E3P3E2Z8IQ9Y7JZB6CN"_s << 61;
        QTest::newRow("long 2") << u"ZKLMVT45HU43JSIOM1TMA7V3DI8FPPV5ASPZH8RZHQMOE95B9EE0VB"_s << 39;
        QTest::newRow("long 3") << u"I09QYNK8W3TZPPPP6UP3C4DSA7L3609Y6N14DO"_s << 81;
        QTest::newRow("slash") << u"IT60X054281110100000012345/"_s << 0;
        QTest::newRow("plus first after turn") << u"IT60+0542811101000000123456"_s << 0;
        QTest::newRow("accented letter") << u"IT60È0542811101000000123456"_s << 0;
        QTest::newRow("tab") << u"IT60\tX0542811101000000123456"_s << 0;
        QTest::newRow("nothing left") << u"IBAN"_s << 0;
    }
    void ibanCheckValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(IbanCheckValue(text), value);
    }

    void messages_data()
    {
        QTest::addColumn<CheckMessage>("message");
        QTest::addColumn<CheckMessage>("expected");
        QTest::newRow("fiscal code length")
            << FiscalCodeMessage(FiscalCodeOutcome::WrongLength)
            << warning(u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s);
        QTest::newRow("fiscal code valid")
            << FiscalCodeMessage(FiscalCodeOutcome::Valid) << information(u"Il codice fiscale digitato è VALIDO."_s);
        QTest::newRow("fiscal code wrong") << FiscalCodeMessage(FiscalCodeOutcome::Invalid)
                                           << warning(u"Attenzione: il codice fiscale digitato è ERRATO."_s);

        QTest::newRow("VAT length") << VatNumberMessage({ VatNumberOutcome::WrongLength, {},
            {} }) << warning(u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s);
        QTest::newRow("VAT Roma 1") << VatNumberMessage(CheckVatNumber(u"12345670587"_s))
                                    << information(u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                                                   u"rilasciato dall'Ufficio IVA del Comune di Roma 1."_s);
        QTest::newRow("VAT no office") << VatNumberMessage(CheckVatNumber(u"00000000000"_s))
                                       << information(u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl "
                                                      u"codice dell'Ufficio IVA (000) non è tra quelli conosciuti."_s);
        QTest::newRow("VAT office 119") << VatNumberMessage(CheckVatNumber(u"00000001198"_s))
                                        << information(u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl "
                                                       u"codice dell'Ufficio IVA (119) non è tra quelli conosciuti."_s);
        QTest::newRow("VAT wrong") << VatNumberMessage(CheckVatNumber(u"12345670588"_s))
                                   << warning(
                                          u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon "
                                          u"è quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                                          u"ha rilasciato."_s);

        QTest::newRow("card empty") << CardNumberMessage(CheckCardNumber(u" "_s))
                                    << warning(u"Attenzione: immettere il numero di carta di credito prima di premere "
                                               u"il pulsante di controllo."_s);
        QTest::newRow("card Visa") << CardNumberMessage(CheckCardNumber(u" 4111 1111 1111 1111 "_s))
                                   << information(u"Il numero di carta di credito 4111 1111 1111 1111 risulta valido."
                                                  u"\r\n\r\nLa carta di credito è del tipo Visa."_s);
        QTest::newRow("card wrong") << CardNumberMessage(CheckCardNumber(u"7000000000000005"_s))
                                    << warning(
                                           u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi "
                                           u"possibile fornire informazioni relative al tipo di carta di credito."_s);
        QTest::newRow("card network unknown")
            << CardNumberMessage(CheckCardNumber(u"3900000000000005"_s))
            << information(u"Il numero di carta di credito 3900000000000005 risulta valido.\r\n\r\nIl circuito "
                           u"della carta di credito non è stato riconosciuto."_s);
        QTest::newRow("card MasterCard 2-series")
            << CardNumberMessage(CheckCardNumber(u"2223000048400011"_s))
            << information(u"Il numero di carta di credito 2223000048400011 risulta valido.\r\n\r\nLa carta di "
                           u"credito è del tipo MasterCard."_s);

        QTest::newRow("IBAN length") << IbanMessage(IbanOutcome::WrongLength)
                                     << warning(
                                            u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s);
        QTest::newRow("IBAN valid") << IbanMessage(IbanOutcome::Valid) << information(u"L'IBAN digitato è VALIDO."_s);
        QTest::newRow("IBAN wrong") << IbanMessage(IbanOutcome::Invalid)
                                    << warning(u"Attenzione: l'IBAN digitato è ERRATO!"_s);
    }
    void messages()
    {
        QFETCH(CheckMessage, message);
        QFETCH(CheckMessage, expected);
        QCOMPARE(message.kind, expected.kind);
        QCOMPARE(message.text, expected.text);
    }
};

QTEST_GUILESS_MAIN(TestChecks)
#include "TestChecks.moc"
