#include "ClientCards.h"
#include "DamagedFiles.h"
#include "TestHelpers.h"
#include "VisitCards.h"

#include "base/WorkProgress.h"
#include "clients/ClientFolders.h"
#include "privacy/PersonData.h"
#include "privacy/Retention.h"
#include "storage/ClientFile.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using V = VisitField;
using C = ClientField;

namespace {

const QString Code = u"RSSMRA80A01H501U"_s;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TSchedaVisita visit(const QString &date, const QString &surname, const QString &name, const QString &code,
    const QString &reason, const QString &exitDate = QString())
{
    return VisitCard({ { V::DataEnt, date }, { V::OraEnt, u"09:30"_s }, { V::OperatoreEnt, u"Carla"_s },
        { V::Cognome, surname }, { V::Nome, name }, { V::CodFisc, code }, { V::Motivo, reason },
        { V::Tessera, u"12"_s }, { V::TipoDoc, u"C.I."_s }, { V::NumDoc, u"AX123"_s }, { V::EnteRil, u"Comune"_s },
        { V::TelCel, u"333 1234567"_s }, { V::Note, u"Allergico"_s }, { V::DataUsc, exitDate },
        { V::OraUsc, exitDate.isEmpty() ? QString() : u"11:00"_s },
        { V::OperatoreUsc, exitDate.isEmpty() ? QString() : u"Carla"_s } });
}

TSchedaAnagrafica client(const QString &surname, const QString &name, const QString &code, const QString &doc)
{
    return ClientRecord(
        { { C::Cognome, surname }, { C::Nome, name }, { C::CodFisc, code }, { C::Indirizzo, u"Via Roma 1"_s },
            { C::Email, u"x@example.com"_s }, { C::File01, doc }, { C::Desc01, u"Documento"_s } });
}

// The year files are written newest first: the search must still give the oldest year first.
const QList<TSchedaVisita> &year2026()
{
    static const QList<TSchedaVisita> cards {
        visit(u"02/01/2026"_s, u"Rossi"_s, u"Mario"_s, Code, u"Riunione"_s, u"02/01/2026"_s),
        visit(u"03/01/2026"_s, u"Bianchi"_s, u"Anna"_s, u"BNCNNA70A41F205X"_s, u"Consegna"_s, u"03/01/2026"_s),
        visit(u"04/01/2026"_s, u"Rossi"_s, u"Maria"_s, QString(), u"Colloquio"_s),
        // Still inside: the person's own request erases this card too.
        visit(u"05/01/2026"_s, u"Rossi"_s, u"Mario"_s, QString(), u"Visita"_s),
    };
    return cards;
}

const QList<TSchedaVisita> &year2025()
{
    static const QList<TSchedaVisita> cards {
        visit(u"10/05/2025"_s, u"Verdi"_s, u"Luca"_s, QString(), u"Fornitura"_s, u"10/05/2025"_s),
        visit(u"11/05/2025"_s, u"ROSSI"_s, u"mario"_s, QString(), u"Consegna"_s, u"11/05/2025"_s),
        // The same code typed in small letters, under another name.
        visit(u"12/05/2025"_s, u"Neri"_s, u"Paolo"_s, Code.toLower(), u"Ritiro"_s, u"12/05/2025"_s),
    };
    return cards;
}

const QList<TSchedaAnagrafica> &registry()
{
    static const QList<TSchedaAnagrafica> cards {
        client(u"Rossi"_s, u"Mario"_s, Code, u"carta.pdf"_s),
        client(u"Bianchi"_s, u"Anna"_s, u"BNCNNA70A41F205X"_s, u"contratto.pdf"_s),
        client(u"Rossi"_s, u"Mario"_s, u"RSSMRA52B12L219K"_s, u"patente.pdf"_s), // a namesake: matches by name
    };
    return cards;
}

// The record image the erasure must leave: the file as it was with the given records replaced.
QByteArray withRecords(QByteArray file, int recordSize, const QList<std::pair<int, QByteArray>> &records)
{
    for (const auto &[position, bytes] : records)
        file.replace(qsizetype(position - 1) * recordSize, recordSize, bytes);
    return file;
}

} // namespace

// A person's cards found in every year and the registry, shown, and made anonymous in place.
class TestPersonData : public QObject
{
    Q_OBJECT

private:
    std::optional<TempProgramFolder> m_folder;

    QString file(const QString &name) const { return m_folder->file(name); }

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        WriteVisits(file(u"2026.vis"_s), year2026());
        WriteVisits(file(u"2025.vis"_s), year2025());
        // Not a year file, though it holds the person.
        WriteVisits(file(u"copia 2025.vis"_s), year2025());
        AppendClients(registry());
    }
    void cleanup() { m_folder.reset(); }

    void search_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("lines");

        const QString rossi25 = u"2025.vis n. 2  11/05/2025 09:30  ROSSI mario  Consegna"_s;
        const QString neri25 = u"2025.vis n. 3  12/05/2025 09:30  Neri Paolo  Ritiro"_s;
        const QString rossi26 = u"2026.vis n. 1  02/01/2026 09:30  Rossi Mario  Riunione"_s;
        const QString inside26 = u"2026.vis n. 4  05/01/2026 09:30  Rossi Mario  Visita"_s;
        const QString client1 = u"Visitatori.pro n. 1  Rossi Mario  "_s + Code;
        const QString client3 = u"Visitatori.pro n. 3  Rossi Mario  RSSMRA52B12L219K"_s;

        QTest::newRow("code in other case, blanks around")
            << QString() << QString() << u"  rssmra80a01h501u "_s << true << QStringList { neri25, rossi26, client1 };
        QTest::newRow("names in other case, blanks around")
            << u" rOSSi  "_s << u"\tMARIO "_s << QString() << true
            << QStringList { rossi25, rossi26, inside26, client1, client3 };
        QTest::newRow("code or names") << u"Rossi"_s << u"Mario"_s << Code << true
                                       << QStringList { rossi25, neri25, rossi26, inside26, client1, client3 };
        QTest::newRow("same surname, other first name")
            << u"Rossi"_s << u"Maria"_s << QString() << true
            << QStringList { u"2026.vis n. 3  04/01/2026 09:30  Rossi Maria  Colloquio"_s };
        QTest::newRow("first name as a prefix is no match")
            << u"Rossi"_s << u"Mar"_s << QString() << true << QStringList();
        QTest::newRow("nobody") << QString() << QString() << u"XXXXXX00X00X000X"_s << true << QStringList();
        QTest::newRow("only a surname") << u"Rossi"_s << QString() << QString() << false << QStringList();
        QTest::newRow("only a first name") << u"  "_s << u"Mario"_s << QString() << false << QStringList();
        QTest::newRow("blank code") << QString() << QString() << u"   "_s << false << QStringList();
    }
    void search()
    {
        QFETCH(QString, surname);
        QFETCH(QString, firstName);
        QFETCH(QString, code);
        QFETCH(bool, complete);
        QFETCH(QStringList, lines);

        const PersonQuery query { surname, firstName, code };
        QCOMPARE(IsCompletePersonQuery(query), complete);
        const PersonCards found = FindPersonCards(query);
        QCOMPARE(found.lines, lines);
        // Each line starts with the card it stands for, visits first.
        QCOMPARE(found.visits.size() + found.clients.size(), lines.size());
        const QList<FoundCard> cards = found.visits + found.clients;
        for (qsizetype i = 0; i < cards.size(); ++i) {
            QVERIFY2(
                lines[i].startsWith(u"%1 n. %2  "_s.arg(cards[i].file).arg(cards[i].position)), qPrintable(lines[i]));
            QCOMPARE(cards[i].file == u"Visitatori.pro"_s, i >= found.visits.size());
        }
    }

    void erasureRewritesOnlyTheFoundCards()
    {
        const QString folder1 = *ClientFolderPath(u"1"_s);
        const QString folder2 = *ClientFolderPath(u"2"_s);
        const QString folder3 = *ClientFolderPath(u"3"_s);
        QVERIFY(QDir().mkpath(folder1 + u"/scansioni"_s));
        QVERIFY(writeFile(folder1 + u"/scansioni/documento.pdf"_s, "pdf"));
        QVERIFY(writeFile(folder1 + u"/nota.txt"_s, "nota"));
        QVERIFY(QDir().mkpath(folder2));
        QVERIFY(writeFile(folder2 + u"/nota.txt"_s, "di Anna"));
        // The namesake's card has no folder: nothing to delete is no failure.

        const QByteArray visits25 = FileBytes(file(u"2025.vis"_s));
        const QByteArray visits26 = FileBytes(file(u"2026.vis"_s));
        const QByteArray copy = FileBytes(file(u"copia 2025.vis"_s));
        const QByteArray clients = FileBytes(ClientFilePath());

        const PersonQuery query { u"Rossi"_s, u"Mario"_s, Code };
        const PersonCards found = FindPersonCards(query);
        QCOMPARE(found.visits.size(), 4);
        QCOMPARE(found.clients.size(), 2);

        const ErasedCounts erased = ErasePersonCards(found);
        QCOMPARE(erased.visits, 4);
        QCOMPARE(erased.clients, 2);

        constexpr int VisitSize = TSchedaVisita::RecordSize;
        QCOMPARE(FileBytes(file(u"2025.vis"_s)),
            withRecords(visits25, VisitSize,
                { { 2, AnonymisedVisit(year2025()[1]).toBytes() }, { 3, AnonymisedVisit(year2025()[2]).toBytes() } }));
        QCOMPARE(FileBytes(file(u"2026.vis"_s)),
            withRecords(visits26, VisitSize,
                { { 1, AnonymisedVisit(year2026()[0]).toBytes() }, { 4, AnonymisedVisit(year2026()[3]).toBytes() } }));
        QCOMPARE(FileBytes(file(u"copia 2025.vis"_s)), copy);

        const QByteArray anonymous = ClientRecord({ { C::Cognome, u"Anonimo"_s } }).toBytes();
        QCOMPARE(FileBytes(ClientFilePath()),
            withRecords(clients, TSchedaAnagrafica::RecordSize, { { 1, anonymous }, { 3, anonymous } }));

        QVERIFY(!QFileInfo::exists(folder1));
        QVERIFY(!QFileInfo::exists(folder3));
        QCOMPARE(FileBytes(folder2 + u"/nota.txt"_s), QByteArray("di Anna"));

        QCOMPARE(FindPersonCards(query).lines, QStringList());
    }

    void erasureStopsAtAFileItCannotWrite()
    {
        const PersonCards found = FindPersonCards({ u"Rossi"_s, u"Mario"_s, Code });
        const QByteArray clients = FileBytes(ClientFilePath());
        QVERIFY(QFile::remove(file(u"2026.vis"_s)));
        QVERIFY(QDir().mkpath(file(u"2026.vis"_s)));
        try {
            ErasePersonCards(found);
            QFAIL("no error");
        } catch (const StorageError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(u"2026.vis"_s), error.what());
        }
        // The older year, done before, stays done; the registry, after the failure, is untouched.
        VisitFile year;
        year.open(file(u"2025.vis"_s), VisitFile::Access::Read);
        QCOMPARE(year.readAt(2), AnonymisedVisit(year2025()[1]));
        QCOMPARE(year.readAt(3), AnonymisedVisit(year2025()[2]));
        year.close();
        QCOMPARE(FileBytes(ClientFilePath()), clients);
    }

    void unreadableYearStopsTheSearch_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("link to itself") << u"file that cannot be opened"_s;
        QTest::newRow("folder") << u"folder in place of the file"_s;
    }
    void unreadableYearStopsTheSearch()
    {
        QFETCH(QString, damage);
        DamagedFileNamed(damage).make(file(u"2024.vis"_s), TSchedaVisita::RecordSize);
        try {
            FindPersonCards({ QString(), QString(), Code });
            QFAIL("no error");
        } catch (const StorageError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(u"2024.vis"_s), error.what());
        }
    }

    void searchReadsWithProgressAndStopsWhenCancelled()
    {
        WorkProgress progress;
        {
            const WorkProgress::Scope scope(progress);
            FindPersonCards({ QString(), QString(), Code });
        }
        const qint64 everything = FileBytes(file(u"2025.vis"_s)).size() + FileBytes(file(u"2026.vis"_s)).size()
            + FileBytes(ClientFilePath()).size();
        QCOMPARE(progress.done(), everything);

        progress.reset();
        progress.cancel();
        const WorkProgress::Scope scope(progress);
        QVERIFY_THROWS_EXCEPTION(WorkCancelled, FindPersonCards({ QString(), QString(), Code }));
    }

    void missingRegistryIsNotMade()
    {
        QVERIFY(QFile::remove(ClientFilePath()));
        QCOMPARE(FindPersonCards({ QString(), QString(), Code }).lines.size(), 2);
        QVERIFY(!QFileInfo::exists(ClientFilePath()));
    }

    // The printed answer names every stored field under the screen's own labels, a visit's under the
    // headings of its parts, and lists the documents in a registry card's folder.
    void accessReportLines()
    {
        const QString folder = *ClientFolderPath(u"1"_s);
        QVERIFY(QDir().mkpath(folder + u"/sub"_s));
        QVERIFY(writeFile(folder + u"/lettera.pdf"_s, "x"));
        QVERIFY(writeFile(folder + u"/sub/foto.jpg"_s, "y"));

        const PersonCards cards { { { u"2026.vis"_s, 1 } }, { { u"Visitatori.pro"_s, 1 } }, {} };
        const QStringList lines
            = PersonReportLines({ u" Rossi "_s, u"Mario"_s, QString() }, cards, QDate(2026, 12, 11));
        QCOMPARE(lines,
            (QStringList { u"Cognome indicato: Rossi"_s, u"Nome indicato: Mario"_s, u"Data della stampa: 11/12/2026"_s,
                u"Schede trovate: 1 visite, 1 schede anagrafiche."_s, QString(), u"2026.vis n. 1"_s, u"  INGRESSO"_s,
                u"    Data: 02/01/2026"_s, u"    Ora: 09:30"_s, u"    Registrato da: Carla"_s, u"  VISITATORE"_s,
                u"    Cognome: Rossi"_s, u"    Nome: Mario"_s, u"    Codice fiscale: "_s + Code,
                u"    Motivo della visita: Riunione"_s, u"    Numero tessera: 12"_s, u"    Tipo documento: C.I."_s,
                u"    Numero documento: AX123"_s, u"    Ente di rilascio: Comune"_s, u"    Cellulare: 333 1234567"_s,
                u"    Note: Allergico"_s, u"  USCITA"_s, u"    Data: 02/01/2026"_s, u"    Ora: 11:00"_s,
                u"    Registrato da: Carla"_s, QString(), u"Visitatori.pro n. 1"_s, u"    Cognome: Rossi"_s,
                u"    Nome: Mario"_s, u"    Codice fiscale: "_s + Code, u"    Via e numero civico: Via Roma 1"_s,
                u"    E-mail: x@example.com"_s, u"    Nome 1° file allegato: carta.pdf"_s,
                u"    Descrizione 1° file allegato: Documento"_s, u"  DOCUMENTI NELLA CARTELLA DELLA SCHEDA"_s,
                u"    lettera.pdf"_s, u"    sub/foto.jpg"_s }));

        // A label without its own colon gets one, one with a sign after it keeps it before the value.
        AppendClients(
            { ClientRecord({ { C::Cognome, u"Gialli"_s }, { C::ProvNasc, u"MI"_s }, { C::Totale, u"120,00"_s } }) });
        QCOMPARE(PersonReportLines({}, { {}, { { u"Visitatori.pro"_s, 4 } }, {} }, QDate(2026, 12, 11)).mid(2),
            (QStringList { QString(), u"Visitatori.pro n. 4"_s, u"    Cognome: Gialli"_s, u"    Prov.: MI"_s,
                u"    Importo totale: € 120,00"_s }));

        // A card that cannot be read stops the answer; nothing found still answers, with the counts.
        QVERIFY(QFile::remove(file(u"2026.vis"_s)));
        QVERIFY_THROWS_EXCEPTION(StorageError, PersonReportLines({}, cards, QDate(2026, 12, 11)));
        QCOMPARE(PersonReportLines({ QString(), QString(), Code }, {}, QDate(2026, 12, 11)),
            (QStringList { u"Codice fiscale indicato: "_s + Code, u"Data della stampa: 11/12/2026"_s,
                u"Schede trovate: 0 visite, 0 schede anagrafiche."_s }));
    }
};

QTEST_GUILESS_MAIN(TestPersonData)
#include "TestPersonData.moc"
