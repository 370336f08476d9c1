#include "ClientCards.h"
#include "TestHelpers.h"

#include "base/SearchCriteria.h"
#include "clients/ClientSearch.h"
#include "clients/InstalmentsDue.h"
#include "storage/ClientFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = ClientField;

// The registry every criteria row searches, positions 1 to 8.
QList<TSchedaAnagrafica> fixture()
{
    return {
        ClientRecord({ { F::Cognome, u"Rossi"_s }, { F::Nome, u"Mario"_s }, { F::Zona, u"Milano"_s } }),
        ClientRecord({ { F::Cognome, u"De Rossi"_s }, { F::Nome, u"Anna"_s }, { F::Zona, u"Roma"_s } }),
        ClientRecord({ { F::Cognome, u"rossi"_s }, { F::Nome, u"luigi"_s }, { F::Zona, u"Milano Nord"_s } }),
        ClientRecord({ { F::Cognome, u"Rossetti"_s }, { F::Nome, u"Carla"_s }, { F::Zona, u"Torino"_s } }),
        ClientRecord({ { F::Cognome, u"Bianchi"_s }, { F::Nome, u"Anna Maria"_s }, { F::Zona, u"Milano"_s } }),
        ClientRecord({ { F::Cognome, u"Rossi Bianchi"_s }, { F::Nome, u"Piero"_s }, { F::Zona, u"Napoli"_s },
            { F::Note, u"Caffè"_s } }),
        // Card 7 holds each marker in the field its box compares; card 8 holds the same markers one
        // field off, so a box compared with the wrong field finds card 8 or nothing.
        ClientRecord(
            { { F::Cognome, u"Verdi"_s }, { F::Nome, u"Carlo"_s }, { F::Codice, u"K-17"_s }, { F::Categoria, u"Oro"_s },
                { F::CodFisc, u"VRDCRL70A01F205X"_s }, { F::Iva, u"01234567890"_s }, { F::Zona, u"Bergamo"_s },
                { F::Prodotti, u"Polizza vita"_s }, { F::Acquisto, u"Lavatrice"_s }, { F::Note, u"polizza"_s } }),
        ClientRecord(
            { { F::Cognome, u"Carlo"_s }, { F::Nome, u"Verdi"_s }, { F::Codice, u"oro"_s }, { F::Categoria, u"k-17"_s },
                { F::CodFisc, u"0123456"_s }, { F::Iva, u"VRDCRL70A01"_s }, { F::Zona, u"Lavatrice"_s },
                { F::Prodotti, u"lavatrice"_s }, { F::Acquisto, u"polizza"_s }, { F::Note, u"Bergamo"_s } }),
    };
}

// Ten boxes, all empty but the given ones (box index, text as typed).
QStringList boxes(std::initializer_list<std::pair<int, QString>> filled)
{
    QStringList typed(10);
    for (const auto &[box, text] : filled)
        typed[box] = text;
    return typed;
}

enum Box { Cognome, Nome, Codice, Categoria, CodFisc, Iva, Zona, Prodotti, Acquisto, Note };

} // namespace

class TestClientSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void criteria_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("filled");
        QTest::addColumn<QList<int>>("found"); // positions, in file order

        QTest::newRow("no box filled: every card") << boxes({}) << 0 << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8 };
        QTest::newRow("capitals find every case")
            << boxes({ { Cognome, u"ROSSI"_s } }) << 1 << QList<int> { 1, 2, 3, 6 };
        QTest::newRow("contained, not only at the start")
            << boxes({ { Cognome, u"ross"_s } }) << 1 << QList<int> { 1, 2, 3, 4, 6 };
        QTest::newRow("a trailing blank is looked for") << boxes({ { Cognome, u"rossi "_s } }) << 1 << QList<int> { 6 };
        QTest::newRow("a leading blank is looked for") << boxes({ { Cognome, u" rossi"_s } }) << 1 << QList<int> { 2 };
        QTest::newRow("a box of blanks is neither filled nor a hit")
            << boxes({ { Cognome, u"ross"_s }, { Nome, u" "_s } }) << 1 << QList<int> { 1, 2, 3, 4, 6 };
        QTest::newRow("every filled box must be found")
            << boxes({ { Cognome, u"ross"_s }, { Zona, u"MI"_s } }) << 2 << QList<int> { 1, 3 };
        QTest::newRow("accented capitals stay as they are") << boxes({ { Note, u"CAFFÈ"_s } }) << 1 << QList<int> {};
        QTest::newRow("a to z in any case, accents as typed")
            << boxes({ { Note, u"CAFFè"_s } }) << 1 << QList<int> { 6 };
        QTest::newRow("a tab is a blank") << boxes({ { Nome, u"\t"_s } }) << 0 << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8 };

        const std::pair<Box, QString> ownField[] = { { Cognome, u"verdi"_s }, { Nome, u"carlo"_s },
            { Codice, u"k-17"_s }, { Categoria, u"oro"_s }, { CodFisc, u"vrdcrl"_s }, { Iva, u"0123456"_s },
            { Zona, u"bergamo"_s }, { Prodotti, u"polizza"_s }, { Acquisto, u"lavatrice"_s }, { Note, u"polizza"_s } };
        for (const auto &[box, text] : ownField) {
            QTest::addRow("box %d compares its own field", int(box))
                << boxes({ { box, text } }) << 1 << QList<int> { 7 };
        }
    }
    void criteria()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, filled);
        QFETCH(QList<int>, found);

        TempProgramFolder folder;
        AppendClients(fixture());
        const SearchCriteria criteria(typed);
        QCOMPARE(criteria.filledCount(), filled);
        const ListedLines listed = SearchClients(criteria);
        QCOMPARE(listed.positions, found);
        QCOMPARE(listed.lines.size(), found.size());
        const QList<TSchedaAnagrafica> cards = fixture();
        for (qsizetype i = 0; i < found.size(); ++i)
            QCOMPARE(listed.lines.at(i), ClientSearchLine(cards.at(found.at(i) - 1)));
    }

    void lines_data()
    {
        QTest::addColumn<TSchedaAnagrafica>("card");
        QTest::addColumn<QString>("line");

        QTest::newRow("columns cut to their widths")
            << ClientRecord({ { F::Cognome, u"De Santis"_s }, { F::Nome, u"Maria Antonietta Giovanna"_s },
                   { F::CodFisc, u"DSNMNT80A41H501Z"_s }, { F::Zona, u"Lombardia occidentale e Ticino"_s },
                   { F::Recapito, u"+39 02 1234567890"_s }, { F::Note, u"paga a 30 giorni, non oltre"_s } })
            << u"De Santis Maria Antonietta G  C.F. DSNMNT80A41H501Z  Zona: Lombardia occidentale e "
               u"  Tel. +39 02 1234567  Note: paga a 30 giorni, non oltre"_s;
        QTest::newRow("empty fields padded with blanks")
            << ClientRecord({ { F::Cognome, u"Rossi"_s }, { F::Nome, u"Mario"_s } })
            << u"Rossi Mario                   C.F.                   Zona:                           Tel. "
               u"                Note: "_s;
        QTest::newRow("fields used trimmed, empty surname keeps its blank")
            << ClientRecord({ { F::Nome, u" Mario\t"_s }, { F::CodFisc, u" RSSMRA "_s }, { F::Zona, u" Pavia "_s },
                   { F::Recapito, u" 0382 "_s }, { F::Note, u"  nota  "_s } })
            << u" Mario                        C.F. RSSMRA            Zona: Pavia                   "
               u"  Tel. 0382            Note: nota"_s;
    }
    void lines()
    {
        QFETCH(TSchedaAnagrafica, card);
        QFETCH(QString, line);
        QCOMPARE(ClientSearchLine(card), line);
    }

    // A damaged or foreign registry never crashes the search, the list of instalments due or the
    // hand-over: whole records are read as they come, the rest is left alone.
    void damagedRegistry_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");

        QByteArray overfull(2 * TSchedaAnagrafica::RecordSize, 'x');
        for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i) {
            for (int r = 0; r < 2; ++r)
                overfull[r * TSchedaAnagrafica::RecordSize + TSchedaAnagrafica::layout().offset(i)] = char(0xFF);
        }
        QTest::newRow("length bytes above capacity") << overfull << 2;

        QByteArray torn
            = ClientRecord({ { F::Cognome, u"Rossi"_s }, { F::Scadenza, u"01/01/2024"_s }, { F::Preavviso, u"0"_s } })
                  .toBytes();
        torn += torn.left(1000);
        QTest::newRow("torn last record") << torn << 1;

        QByteArray noise(3 * TSchedaAnagrafica::RecordSize + 17, '\0');
        QRandomGenerator random(20240510);
        for (char &c : noise)
            c = char(random.bounded(256));
        QTest::newRow("random bytes") << noise << 3;
    }
    void damagedRegistry()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);

        TempProgramFolder folder;
        QFile file(ClientFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const ListedLines all = SearchClients(SearchCriteria(QStringList(10)));
        QCOMPARE(all.lines.size(), records);
        SearchClients(SearchCriteria(boxes({ { Cognome, u"x"_s }, { Note, u"\xff"_s } })));
        for (qsizetype i = 0; i < all.lines.size(); ++i) {
            const std::optional<ClientCard> card = FindClientSearchCard(all.lines.at(i), all.positions.at(i));
            QVERIFY(card);
            QCOMPARE(card->position, all.positions.at(i));
        }
        const ListedLines due = ReadInstalmentsDue(QDate(2024, 5, 10));
        QVERIFY(due.complete);
        QVERIFY(due.lines.size() <= records);
        for (qsizetype i = 0; i < due.lines.size(); ++i)
            QVERIFY(FindInstalmentDueCard(due.lines.at(i), due.positions.at(i)));
    }
};

QTEST_MAIN(TestClientSearch)
#include "TestClientSearch.moc"
