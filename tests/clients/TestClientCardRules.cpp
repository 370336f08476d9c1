#include "base/Clock.h"
#include "clients/ClientCardRules.h"
#include "clients/ClientSheet.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ClientSaveFailure::Box)

namespace {

const QString ValidDate = u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato "
                          u"gg/mm/aaaa."_s;

} // namespace

// The client card's rules without a window: the save checks, the province codes, the amounts and
// dates of the instalments, what a chosen card brings into a visit card, the rows of the sheet.
class TestClientCardRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(10, 0))); }
    void cleanupTestCase() { Clock::reset(); }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("decorrenza");
        QTest::addColumn<QString>("scadenza");
        QTest::addColumn<QString>("preavviso");
        QTest::addColumn<int>("check"); // 0: the card may be saved
        QTest::addColumn<ClientSaveFailure::Box>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus"); // the field's index; -1: the focus stays where it was

        using B = ClientSaveFailure::Box;
        const int none = -1;
        QTest::newRow("all empty: the surname first")
            << u""_s << u""_s << u""_s << u""_s << u""_s << 1 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare il cognome del Visitatore."_s << 0;
        QTest::newRow("surname of blanks only")
            << u" \t "_s << u"Mario"_s << u"01/03/2024"_s << u"01/03/2024"_s << u"0"_s << 1 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare il cognome del Visitatore."_s << 0;
        QTest::newRow("first name blank")
            << u"Rossi"_s << u"  "_s << u"01/03/2024"_s << u"01/03/2024"_s << u"0"_s << 2 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare il nome del Visitatore."_s << 1;
        QTest::newRow("start date blank")
            << u"Rossi"_s << u"Mario"_s << u" "_s << u"xx"_s << u""_s << 3 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare la data di decorrenza dell'acquisto "
               u"rateale effettuato."_s
            << 39;
        QTest::newRow("due date blank")
            << u"Rossi"_s << u"Mario"_s << u"xx"_s << u""_s << u""_s << 4 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare la data di scadenza della prossima rata."_s
            << 40;
        QTest::newRow("start date that does not exist, trimmed into the text")
            << u"Rossi"_s << u"Mario"_s << u" 31/02/2024 "_s << u"31/04/2024"_s << u""_s << 5 << B::Notice
            << u"Attenzione: la data di decorrenza 31/02/2024 non esiste."_s + ValidDate << 39;
        QTest::newRow("due date that does not exist")
            << u"Rossi"_s << u"Mario"_s << u"01/03/2024"_s << u"31/04/2024"_s << u""_s << 6 << B::Notice
            << u"Attenzione: la data di scadenza 31/04/2024 non esiste."_s + ValidDate << 40;
        QTest::newRow("start after due")
            << u"Rossi"_s << u"Mario"_s << u"10/05/2024"_s << u" 09/05/2024"_s << u""_s << 7 << B::Notice
            << u"Attenzione: la data di scadenza della prossima rata (09/05/2024) non può essere anteriore a quella "
               u"di decorrenza (10/05/2024).\n\r\n\rPer poter salvare la scheda è necessario indicare un intervallo "
               u"di tempo valido."_s
            << none;
        // Compared as dates: as text "05/01/2025" comes before "10/12/2024".
        QTest::newRow("start after due in another year")
            << u"Rossi"_s << u"Mario"_s << u"05/01/2025"_s << u"10/12/2024"_s << u"0"_s << 7 << B::Notice
            << u"Attenzione: la data di scadenza della prossima rata (10/12/2024) non può essere anteriore a quella "
               u"di decorrenza (05/01/2025).\n\r\n\rPer poter salvare la scheda è necessario indicare un intervallo "
               u"di tempo valido."_s
            << none;
        QTest::newRow("short forms compared as the dates they are")
            << u"Rossi"_s << u"Mario"_s << u"1/1/25"_s << u"31/12/2024"_s << u"0"_s << 7 << B::Notice
            << u"Attenzione: la data di scadenza della prossima rata (31/12/2024) non può essere anteriore a quella "
               u"di decorrenza (1/1/25).\n\r\n\rPer poter salvare la scheda è necessario indicare un intervallo "
               u"di tempo valido."_s
            << none;
        QTest::newRow("notice days blank")
            << u"Rossi"_s << u"Mario"_s << u"01/03/2024"_s << u"01/03/2024"_s << u" "_s << 8 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."_s << 41;
        QTest::newRow("same day, notice 0") << u"Rossi"_s << u"Mario"_s << u"01/03/2024"_s << u"01/03/2024"_s << u"0"_s
                                            << 0 << B::Warning << QString() << none;
        // As text "31/01/2024" comes after "01/02/2024".
        QTest::newRow("due a day later in the next month")
            << u"Rossi"_s << u"Mario"_s << u"31/01/2024"_s << u"01/02/2024"_s << u"7"_s << 0 << B::Warning << QString()
            << none;
        QTest::newRow("short dates without year")
            << u"Rossi"_s << u"Mario"_s << u"1/3"_s << u"2/3"_s << u"007"_s << 0 << B::Warning << QString() << none;
    }

    void saveChecks()
    {
        QFETCH(int, check);
        TSchedaAnagrafica card;
        QFETCH(QString, cognome);
        QFETCH(QString, nome);
        QFETCH(QString, decorrenza);
        QFETCH(QString, scadenza);
        QFETCH(QString, preavviso);
        card.Cognome = cognome;
        card.Nome = nome;
        card.Decorrenza = decorrenza;
        card.Scadenza = scadenza;
        card.Preavviso = preavviso;
        const std::optional<ClientSaveFailure> failure = CheckClientCardForSave(card);
        QCOMPARE(failure.has_value(), check != 0);
        if (!failure)
            return;
        QCOMPARE(failure->check, check);
        QTEST(failure->box, "box");
        QTEST(failure->message, "message");
        QTEST(failure->focus ? int(*failure->focus) : -1, "focus");
    }

    void provinceCodes()
    {
        const QString published = u"AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO "
                                  u"CR CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC "
                                  u"MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA "
                                  u"RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE "
                                  u"VI VR VT VV"_s;
        QCOMPARE(ProvinceCodes().size(), 112);
        QCOMPARE(ProvinceCodes().join(u' '), published);
    }

    void normaliseAmount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << u"0,00"_s;
        QTest::newRow("blanks") << u"   "_s << u"0,00"_s;
        QTest::newRow("whole") << u"1500"_s << u"1500,00"_s;
        QTest::newRow("whole, short") << u"12"_s << u"12,00"_s;
        QTest::newRow("zero") << u"0"_s << u"0,00"_s;
        QTest::newRow("one decimal") << u"125,5"_s << u"125,50"_s;
        QTest::newRow("leading zeros") << u"0012,10"_s << u"12,10"_s;
        QTest::newRow("three decimals stay") << u"12,345"_s << u"12,345"_s;
        QTest::newRow("three decimals stay, 125,505") << u"125,505"_s << u"125,505"_s;
        QTest::newRow("four decimals at most") << u"1,23456"_s << u"1,2346"_s;
        QTest::newRow("rounds up to a whole number") << u"99,99999"_s << u"100,00"_s;
        // In extended precision 2,00005 stays just below the half: the rule works on the stored value.
        QTest::newRow("half below the stored value") << u"2,00005"_s << u"2,00"_s;
        QTest::newRow("comma first") << u",5"_s << u"0,50"_s;
        QTest::newRow("comma last") << u"12,"_s << u"12,00"_s;
        QTest::newRow("blanks around") << u" 7,1 "_s << u"7,10"_s;
        QTest::newRow("fifteen digits") << u"999999999999999"_s << u"999999999999999,00"_s;
        QTest::newRow("sixteen digits, from the file") << u"1234567890123456"_s << u"1234567890123456,00"_s;
        QTest::newRow("fifteen nines rounded up to sixteen digits")
            << u"999999999999999,99"_s << u"1000000000000000,00"_s;
        QTest::newRow("negative, whole") << u"-3"_s << u"-3,00"_s;
        QTest::newRow("negative, five decimals") << u"-1,23456"_s << u"-1,2346"_s;
        QTest::newRow("twenty digits, negative") << u"-12345678901234567890"_s << u"-12345678901234567168,00"_s;
        QTest::newRow("two commas") << u"1,2,3"_s << u"0,00"_s;
        QTest::newRow("letters") << u"abc"_s << u"0,00"_s;
        QTest::newRow("a point is not the decimal separator") << u"1.5"_s << u"0,00"_s;
        QTest::newRow("a lone comma") << u","_s << u"0,00"_s;
        QTest::newRow("too large to be a number") << u"1e999"_s << u"0,00"_s;
    }

    void normaliseAmount()
    {
        QFETCH(QString, typed);
        QTEST(NormaliseAmount(typed), "shown");
    }

    void startAfterDue_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("due");
        QTest::addColumn<bool>("after");
        QTest::newRow("same day") << u"01/03/2024"_s << u"01/03/2024"_s << false;
        QTest::newRow("a day after") << u"02/03/2024"_s << u"01/03/2024"_s << true;
        QTest::newRow("earlier year, later text") << u"31/12/2023"_s << u"01/01/2024"_s << false;
        QTest::newRow("later year, earlier text") << u"05/01/2025"_s << u"10/12/2024"_s << true;
        QTest::newRow("not a date") << u"31/02/2024"_s << u"01/01/2024"_s << false;
    }

    void startAfterDue()
    {
        QFETCH(QString, start);
        QFETCH(QString, due);
        QTEST(StartAfterDue(start, due), "after");
    }

    // The sheet's rows with their literal pieces, on a filled card and on an empty one.
    void sheetRows()
    {
        TSchedaAnagrafica card;
        card.Cognome = u" Rossi "_s;
        card.Nome = u"Mario"_s;
        card.ComuneNasc = u"Roma"_s;
        card.ProvNasc = u"RM"_s;
        card.Sesso = u"M"_s;
        card.Stato = u"celibe"_s;
        card.Carta = u"4111111111111111"_s;
        card.ScadeCarta = u"12/27"_s;
        card.Iban = u"IT60X0542811101000000123456"_s;
        card.Intestatario = u"Mario Rossi"_s;
        card.TipoDoc = u"Patente"_s;
        card.NumDoc = u"U1234"_s;
        card.DataSca = u"01/01/2030"_s;
        card.Categoria = u"A"_s;
        card.Zona = u"Nord"_s;
        card.Acquisto = u"Divano"_s;
        card.Rata = u"120,00"_s;
        card.Totale = u"1440,00"_s;
        card.Decorrenza = u"01/01/2024"_s;
        card.Scadenza = u"01/02/2024"_s;
        const QList<ClientSheetRow> rows = ClientSheetRows(card);
        QCOMPARE(rows.size(), ClientSheetRowCount);
        const QStringList titles = { u"Cognome e nome:"_s, u"Data di nascita:"_s, u"Comune di nascita:"_s, u"Sesso:"_s,
            u"Recapito preferenziale:"_s, u"Indirizzo di residenza:"_s, u"Comune di residenza:"_s, u"Professione:"_s,
            u"Tel. casa:"_s, u"Tel. ufficio:"_s, u"Tel. cellulare:"_s, u"Fax:"_s, u"E-mail:"_s, u"Codice fiscale:"_s,
            u"Partita IVA:"_s, u"Carta di credito:"_s, u"IBAN:"_s, u"Estremi documento:"_s, u"Codice Cliente:"_s,
            u"Categoria:"_s, u"Prodotti e servizi di interesse:"_s, u"Acquisto rateale"_s, u"Totale:"_s, u"Note:"_s };
        for (int i = 0; i < ClientSheetRowCount; ++i)
            QCOMPARE(rows.at(i).title, titles.at(i));
        QCOMPARE(rows.at(0).value, u"Rossi Mario"_s);
        QCOMPARE(rows.at(2).value, u"Roma RM"_s);
        QCOMPARE(rows.at(3).value, u"M  Stato civile: celibe"_s);
        QCOMPARE(rows.at(15).value, u"N. 4111111111111111  Scadenza: 12/27"_s);
        QCOMPARE(rows.at(16).value, u"IT60X0542811101000000123456  -  Intestatario C/C: Mario Rossi"_s);
        QCOMPARE(rows.at(17).value, u"Tipo: Patente  N. U1234  Scadenza: 01/01/2030"_s);
        QCOMPARE(rows.at(19).value, u"A  Zona: Nord"_s);
        QCOMPARE(rows.at(21).value, u"Divano  Importo rata: € 120,00"_s);
        QCOMPARE(rows.at(22).value, u"Importo: € 1440,00  Decorrenza: 01/01/2024  Scadenza: 01/02/2024"_s);

        const QList<ClientSheetRow> empty = ClientSheetRows(TSchedaAnagrafica());
        QCOMPARE(empty.at(0).value, u" "_s);
        QCOMPARE(empty.at(15).value, u"N.   Scadenza: "_s);
        QCOMPARE(empty.at(23).value, QString());
    }
};

QTEST_MAIN(TestClientCardRules)
#include "TestClientCardRules.moc"
