#include "TestHelpers.h"
#include "VisitCards.h"

#include "base/SearchCriteria.h"
#include "storage/StorageError.h"
#include "visits/VisitSearch.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

enum Box { DataEnt, DataUsc, Cognome, Nome, CodFisc, TelCel, Tessera, NumDoc, Motivo, Note };

// The year every criteria row searches, positions 1 to 5.
QList<TSchedaVisita> fixture()
{
    return {
        VisitCard({ { F::Cognome, u"Rossi"_s }, { F::Nome, u"Mario"_s }, { F::DataEnt, u"05/03/2024"_s },
            { F::DataUsc, u"05/03/2024"_s } }),
        VisitCard({ { F::Cognome, u"De Rossi"_s }, { F::Nome, u"Anna"_s }, { F::DataEnt, u"12/03/2024"_s } }),
        VisitCard({ { F::Cognome, u"Bianchi"_s }, { F::Nome, u"Anna Maria"_s }, { F::DataEnt, u"05/04/2024"_s } }),
        // Card 4 holds each marker in the field its box compares; card 5 holds the same markers one
        // field off, so a box compared with the wrong field finds card 5 or nothing.
        VisitCard({ { F::DataEnt, u"01/02/2024"_s }, { F::DataUsc, u"02/02/2024"_s }, { F::Cognome, u"Verdi"_s },
            { F::Nome, u"Carlo"_s }, { F::CodFisc, u"VRDCRL"_s }, { F::TelCel, u"3331112222"_s },
            { F::Tessera, u"T-9"_s }, { F::NumDoc, u"AX123"_s }, { F::Motivo, u"Consegna"_s },
            { F::Note, u"urgente"_s } }),
        VisitCard({ { F::DataEnt, u"02/02/2024"_s }, { F::DataUsc, u"01/02/2024"_s }, { F::Cognome, u"Carlo"_s },
            { F::Nome, u"Verdi"_s }, { F::CodFisc, u"3331112222"_s }, { F::TelCel, u"VRDCRL"_s },
            { F::Tessera, u"AX123"_s }, { F::NumDoc, u"T-9"_s }, { F::Motivo, u"urgente"_s },
            { F::Note, u"Consegna"_s } }),
    };
}

QStringList boxes(std::initializer_list<std::pair<int, QString>> filled)
{
    QStringList typed(10);
    for (const auto &[box, text] : filled)
        typed[box] = text;
    return typed;
}

} // namespace

class TestVisitSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void criteria_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("found"); // positions, in file order

        QTest::newRow("no box filled: every card") << boxes({}) << QList<int> { 1, 2, 3, 4, 5 };
        QTest::newRow("part of a date finds the month") << boxes({ { DataEnt, u"03/2024"_s } }) << QList<int> { 1, 2 };
        QTest::newRow("dates compared as text") << boxes({ { DataEnt, u"5/3/2024"_s } }) << QList<int> {};
        QTest::newRow("capitals find every case") << boxes({ { Cognome, u"ROSSI"_s } }) << QList<int> { 1, 2 };
        QTest::newRow("a box of blanks is neither filled nor a hit")
            << boxes({ { Cognome, u"rossi"_s }, { Nome, u" "_s } }) << QList<int> { 1, 2 };
        QTest::newRow("a trailing blank is looked for") << boxes({ { Cognome, u"rossi "_s } }) << QList<int> {};
        QTest::newRow("every filled box must be found")
            << boxes({ { Cognome, u"rossi"_s }, { DataUsc, u"05/03"_s } }) << QList<int> { 1 };

        const std::pair<Box, QString> ownField[] = { { DataEnt, u"01/02"_s }, { DataUsc, u"01/02"_s },
            { Cognome, u"verdi"_s }, { Nome, u"carlo"_s }, { CodFisc, u"vrdcrl"_s }, { TelCel, u"3331112222"_s },
            { Tessera, u"t-9"_s }, { NumDoc, u"ax123"_s }, { Motivo, u"consegna"_s }, { Note, u"urgente"_s } };
        for (const auto &[box, text] : ownField) {
            const QList<int> expected { box == DataUsc ? 5 : 4 };
            QTest::addRow("box %d compares its own field", int(box)) << boxes({ { box, text } }) << expected;
        }
    }
    void criteria()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, found);

        TempProgramFolder folder;
        const QString year = folder.file(u"2024.vis"_s);
        WriteVisits(year, fixture());
        const ListedLines listed = SearchVisits(year, SearchCriteria(typed));
        QCOMPARE(listed.positions, found);
        const QList<TSchedaVisita> cards = fixture();
        QCOMPARE(listed.lines.size(), found.size());
        for (qsizetype i = 0; i < found.size(); ++i)
            QCOMPARE(listed.lines.at(i), VisitSearchLine(cards.at(found.at(i) - 1)));
    }

    void missingYearIsCreatedEmptyAndUnreadableOneThrows()
    {
        TempProgramFolder folder;
        const QString year = folder.file(u"2031.vis"_s);
        QVERIFY(SearchVisits(year, SearchCriteria(QStringList(10))).lines.isEmpty());
        QCOMPARE(QFileInfo(year).size(), 0);

        const QString broken = folder.file(u"2032.vis"_s);
        QVERIFY(QDir().mkdir(broken));
        QVERIFY_THROWS_EXCEPTION(StorageError, SearchVisits(broken, SearchCriteria(QStringList(10))));
    }

    void damagedYearFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");

        QByteArray overfull(2 * TSchedaVisita::RecordSize, 'x');
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
            for (int r = 0; r < 2; ++r)
                overfull[r * TSchedaVisita::RecordSize + TSchedaVisita::layout().offset(i)] = char(0xFF);
        }
        QTest::newRow("length bytes above capacity") << overfull << 2;

        QByteArray torn = VisitCard({ { F::Cognome, u"Rossi"_s } }).toBytes();
        torn += torn.left(300);
        QTest::newRow("torn last record") << torn << 1;

        QByteArray noise(4 * TSchedaVisita::RecordSize + 5, '\0');
        QRandomGenerator random(20240305);
        for (char &c : noise)
            c = char(random.bounded(256));
        QTest::newRow("random bytes") << noise << 4;
    }
    void damagedYearFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);

        TempProgramFolder folder;
        const QString year = folder.file(u"2024.vis"_s);
        QFile file(year);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const ListedLines all = SearchVisits(year, SearchCriteria(QStringList(10)));
        QCOMPARE(all.lines.size(), records);
        SearchVisits(year, SearchCriteria(boxes({ { DataEnt, u"x"_s }, { Note, u"\xff"_s } })));
        for (qsizetype i = 0; i < all.lines.size(); ++i) {
            const std::optional<PresenceCard> card = FindVisitSearchCard(year, all.lines.at(i), all.positions.at(i));
            QVERIFY(card);
            QCOMPARE(card->position, all.positions.at(i));
            // With a stale position the whole file is read: the last card giving the line.
            const std::optional<PresenceCard> again = FindVisitSearchCard(year, all.lines.at(i), 0);
            QVERIFY(again);
            QCOMPARE(again->position, all.positions.at(all.lines.lastIndexOf(all.lines.at(i))));
        }
    }
};

QTEST_MAIN(TestVisitSearch)
#include "TestVisitSearch.moc"
