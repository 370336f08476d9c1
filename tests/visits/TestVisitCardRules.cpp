#include "VisitCards.h"

#include "base/Clock.h"
#include "visits/VisitCardRules.h"
#include "visits/VisitImport.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(VisitField)
Q_DECLARE_METATYPE(ImportRole)
Q_DECLARE_METATYPE(VisitSaveFailure::Box)

// The checks before a save, the card built from the boxes and the card in its stored form.
class TestVisitCardRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveChecks_data()
    {
        QTest::addColumn<QString>("dataEnt");
        QTest::addColumn<QString>("oraEnt");
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("dataUsc");
        QTest::addColumn<QString>("oraUsc");
        QTest::addColumn<int>("check"); // 0: the card may be saved
        QTest::addColumn<VisitSaveFailure::Box>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<VisitField>("focus");

        using B = VisitSaveFailure::Box;
        using F = VisitField;
        const QString both
            = u"Per poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi "
              u"di testo."_s;

        QTest::newRow("entry date empty")
            << u""_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u""_s << u""_s << 1 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare la data "
               u"d'ingresso."_s
            << F::DataEnt;
        QTest::newRow("entry date blanks, all else empty too: first check wins")
            << u" \t "_s << u""_s << u""_s << u""_s << u"x"_s << u""_s << 1 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare la data d'ingresso."_s << F::DataEnt;
        QTest::newRow("entry date that does not exist, trimmed into the text")
            << u"  30/02/2026 "_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u""_s << u""_s << 2 << B::Notice
            << u"Attenzione: la data d'ingresso 30/02/2026 non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare una data valida nel formato gg/mm/aaaa."_s
            << F::DataEnt;
        QTest::newRow("entry date in another form")
            << u"2026-03-07"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u""_s << u""_s << 2 << B::Notice
            << u"Attenzione: la data d'ingresso 2026-03-07 non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare una data valida nel formato gg/mm/aaaa."_s
            << F::DataEnt;
        QTest::newRow("entry time empty")
            << u"07/03/2026"_s << u"  "_s << u"Rossi"_s << u"Mario"_s << u""_s << u""_s << 3 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare l'ora "
               u"d'ingresso."_s
            << F::OraEnt;
        QTest::newRow("surname empty") << u"07/03/2026"_s << u"09:05"_s << u" "_s << u""_s << u""_s << u""_s << 5
                                       << B::Warning
                                       << u"Attenzione: per salvare la scheda è necessario indicare il cognome del "
                                          u"Visitatore."_s
                                       << F::Cognome;
        QTest::newRow("first name empty")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"\t"_s << u""_s << u""_s << 6 << B::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare il nome del "
               u"Visitatore."_s
            << F::Nome;
        QTest::newRow("exit date that does not exist")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u" 31/04/2026"_s << u"10:00"_s << 7
            << B::Notice
            << u"Attenzione: la data d'uscita 31/04/2026 non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare una data valida nel formato gg/mm/aaaa."_s
            << F::DataUsc;
        QTest::newRow("exit time without exit date")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"  "_s << u"10:00"_s << 8 << B::Notice
            << u"Attenzione: è stata indicata l'ora d'uscita ma non la data.\n\r\n\r"_s + both << F::DataUsc;
        QTest::newRow("exit date without exit time")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"07/03/2026"_s << u" "_s << 9 << B::Notice
            << u"Attenzione: è stata indicata la data d'uscita ma non l'ora.\n\r\n\r"_s + both << F::DataUsc;

        QTest::newRow("new card") << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u""_s << u""_s << 0
                                  << B::Warning << QString() << F::DataEnt;
        const QString hhmm = u"Per poter salvare la scheda è necessario indicare un'ora valida nel formato hh:mm."_s;
        QTest::newRow("entry time out of range, before the visitor's names")
            << u"07/03/2026"_s << u" 25:61 "_s << u""_s << u""_s << u""_s << u""_s << 4 << B::Notice
            << u"Attenzione: l'ora d'ingresso 25:61 non esiste.\n\r\n\r"_s + hhmm << F::OraEnt;
        QTest::newRow("entry time of letters")
            << u"07/03/2026"_s << u"ab:cd"_s << u"Rossi"_s << u"Mario"_s << u""_s << u""_s << 4 << B::Notice
            << u"Attenzione: l'ora d'ingresso ab:cd non esiste.\n\r\n\r"_s + hhmm << F::OraEnt;
        QTest::newRow("exit time that does not exist, checked last")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"07/03/2026"_s << u"24:00 "_s << 10
            << B::Notice << u"Attenzione: l'ora d'uscita 24:00 non esiste.\n\r\n\r"_s + hhmm << F::OraUsc;
        QTest::newRow("wrong exit time without exit date: the missing date first")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u""_s << u"xx"_s << 8 << B::Notice
            << u"Attenzione: è stata indicata l'ora d'uscita ma non la data.\n\r\n\r"_s + both << F::DataUsc;
        QTest::newRow("wrong exit date and exit time: the date first")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"31/04/2026"_s << u"9"_s << 7 << B::Notice
            << u"Attenzione: la data d'uscita 31/04/2026 non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare una data valida nel formato gg/mm/aaaa."_s
            << F::DataUsc;
        QTest::newRow("short date and times, exit at the minute of the entry")
            << u" 1/ 2"_s << u"9.05"_s << u"Rossi"_s << u"Mario"_s << u"01/02"_s << u" 9:05"_s << 0 << B::Warning
            << QString() << F::DataEnt;
        const QString exitFirst = u"Attenzione: l'uscita non può precedere l'ingresso."_s;
        QTest::newRow("exit the day before the entry")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"06/03/2026"_s << u"18:00"_s << 11
            << B::Notice << exitFirst << F::DataUsc;
        QTest::newRow("exit earlier the same day, dates and times in other forms")
            << u"07/03/2026"_s << u"10:00"_s << u"Rossi"_s << u"Mario"_s << u"7/3/2026"_s << u"9.59"_s << 11
            << B::Notice << exitFirst << F::DataUsc;
        QTest::newRow("exit the next day at an earlier hour")
            << u"07/03/2026"_s << u"18:00"_s << u"Rossi"_s << u"Mario"_s << u"08/03/2026"_s << u"08:00"_s << 0
            << B::Warning << QString() << F::DataEnt;
        QTest::newRow("exit in an earlier year")
            << u"01/01/2026"_s << u"00:00"_s << u"Rossi"_s << u"Mario"_s << u"31/12/2025"_s << u"23:59"_s << 11
            << B::Notice << exitFirst << F::DataUsc;
        QTest::newRow("exit the day before with a wrong time: the time first")
            << u"07/03/2026"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"06/03/2026"_s << u"9:60"_s << 10
            << B::Notice << u"Attenzione: l'ora d'uscita 9:60 non esiste.\n\r\n\r"_s + hhmm << F::OraUsc;
        QTest::newRow("leap day") << u"29/02/2024"_s << u"09:05"_s << u"Rossi"_s << u"Mario"_s << u"29/02/2024"_s
                                  << u"18:00"_s << 0 << B::Warning << QString() << F::DataEnt;
    }

    void saveChecks()
    {
        QFETCH(QString, dataEnt);
        QFETCH(QString, oraEnt);
        QFETCH(QString, cognome);
        QFETCH(QString, nome);
        QFETCH(QString, dataUsc);
        QFETCH(QString, oraUsc);
        QFETCH(int, check);

        using F = VisitField;
        const TSchedaVisita card = VisitCard({ { F::DataEnt, dataEnt }, { F::OraEnt, oraEnt }, { F::Cognome, cognome },
            { F::Nome, nome }, { F::DataUsc, dataUsc }, { F::OraUsc, oraUsc } });
        const std::optional<VisitSaveFailure> failure = CheckVisitCardForSave(card);
        if (check == 0) {
            QVERIFY2(!failure, qPrintable(failure ? failure->message : QString()));
            return;
        }
        QVERIFY(failure);
        QCOMPARE(failure->check, check);
        QTEST(failure->box, "box");
        QTEST(failure->message, "message");
        QTEST(failure->focus, "focus");
    }

    void cardFromTextsTrimsEveryFieldInStoredOrder()
    {
        QStringList texts;
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
            texts.append(u" \t f%1 x \r\n"_s.arg(i));
        const TSchedaVisita card = VisitCardFromTexts(texts);
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
            QCOMPARE(card.field(i), u"f%1 x"_s.arg(i));
        QCOMPARE(card.DataEnt, u"f0 x"_s);
        QCOMPARE(card.OperatoreUsc, u"f15 x"_s);
        QCOMPARE(VisitCardFromTexts({ u"01/01/2026"_s }), [] {
            TSchedaVisita only;
            only.DataEnt = u"01/01/2026"_s;
            return only;
        }());
    }

    void fullDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("full already") << u"07/03/2026"_s << u"07/03/2026"_s;
        QTest::newRow("short numbers") << u"7/3/2026"_s << u"07/03/2026"_s;
        QTest::newRow("no year") << u"7/3"_s << u"07/03/2026"_s;
        QTest::newRow("two-digit year") << u"1/1/76"_s << u"01/01/1976"_s;
        QTest::newRow("blanks inside") << u"1 / 2 /2026/"_s << u"01/02/2026"_s;
        QTest::newRow("empty stays empty") << QString() << QString();
        QTest::newRow("not a date stays") << u"31/04/2026"_s << u"31/04/2026"_s;
    }
    void fullDates()
    {
        QFETCH(QString, typed);
        Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        TSchedaVisita card;
        card.DataEnt = typed;
        card.DataUsc = typed;
        card.OraEnt = typed; // other fields are never touched
        const TSchedaVisita full = VisitCardAsStored(card);
        Clock::reset();
        QTEST(full.DataEnt, "stored");
        QTEST(full.DataUsc, "stored");
        QCOMPARE(full.OraEnt, typed);
    }

    void storedTimes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("in form already") << u"09:30"_s << u"09:30"_s;
        QTest::newRow("one-digit hour") << u"9:30"_s << u"09:30"_s;
        QTest::newRow("point") << u"9.30"_s << u"09:30"_s;
        QTest::newRow("point, two-digit hour") << u"18.30"_s << u"18:30"_s;
        QTest::newRow("midnight") << u"0.00"_s << u"00:00"_s;
        QTest::newRow("empty stays empty") << QString() << QString();
        QTest::newRow("not a time stays") << u"24:00"_s << u"24:00"_s;
        QTest::newRow("one-digit minutes stay") << u"9:5"_s << u"9:5"_s;
    }
    void storedTimes()
    {
        QFETCH(QString, typed);
        TSchedaVisita card;
        card.OraEnt = typed;
        card.OraUsc = typed;
        card.DataEnt = typed; // other fields are never touched
        const TSchedaVisita stored = VisitCardAsStored(card);
        QTEST(stored.OraEnt, "stored");
        QTEST(stored.OraUsc, "stored");
        QCOMPARE(stored.DataEnt, typed);
    }

    void boxNames()
    {
        QCOMPARE(VisitBoxName(VisitField::DataEnt), u"txtDataEnt"_s);
        QCOMPARE(VisitBoxName(VisitField::CodFisc), u"txtCodFisc"_s);
        QCOMPARE(VisitBoxName(VisitField::OperatoreUsc), u"txtOperatoreUsc"_s);
    }

    // Each role fills exactly its boxes, every value taken trimmed from the client card.
    void visitImport_data()
    {
        QTest::addColumn<ImportRole>("role");
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QStringList>("texts");
        using V = VisitField;
        QTest::newRow("visitatore") << ImportRole::Visitatore
                                    << QList<int> { int(V::Cognome), int(V::Nome), int(V::CodFisc), int(V::TipoDoc),
                                           int(V::NumDoc), int(V::EnteRil), int(V::TelCel) }
                                    << QStringList { u"Bianchi"_s, u"Anna Maria"_s, u"BNCNMR80A41H501X"_s,
                                           u"Carta d'identità"_s, QString(), u"Comune di Roma"_s, u"333 1234567"_s };
        QTest::newRow("operatore_ent") << ImportRole::OperatoreEnt << QList<int> { int(V::OperatoreEnt) }
                                       << QStringList { u"Bianchi Anna Maria"_s };
        QTest::newRow("operatore_usc") << ImportRole::OperatoreUsc << QList<int> { int(V::OperatoreUsc) }
                                       << QStringList { u"Bianchi Anna Maria"_s };
    }

    void visitImport()
    {
        QFETCH(ImportRole, role);
        QFETCH(QList<int>, fields);
        QFETCH(QStringList, texts);
        TSchedaAnagrafica client;
        for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i)
            client.field(i) = u" altro%1 "_s.arg(i);
        client.Cognome = u" Bianchi"_s;
        client.Nome = u"Anna Maria "_s;
        client.CodFisc = u"BNCNMR80A41H501X"_s;
        client.TipoDoc = u"Carta d'identità"_s;
        client.NumDoc = u"   "_s;
        client.EnteRil = u"\tComune di Roma"_s;
        client.TelCel = u"333 1234567"_s;
        const QList<VisitImportValue> values = VisitImportFor(role, client);
        QCOMPARE(values.size(), fields.size());
        for (qsizetype i = 0; i < values.size(); ++i) {
            QCOMPARE(int(values.at(i).field), fields.at(i));
            QCOMPARE(values.at(i).text, texts.at(i));
        }
    }

    void operatorWithoutFirstName()
    {
        TSchedaAnagrafica client;
        client.Cognome = u"Bianchi"_s;
        const QList<VisitImportValue> values = VisitImportFor(ImportRole::OperatoreEnt, client);
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.first().text, u"Bianchi "_s);
    }
};

QTEST_MAIN(TestVisitCardRules)
#include "TestVisitCardRules.moc"
