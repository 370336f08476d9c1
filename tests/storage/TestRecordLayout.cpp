#include "storage/ShortString.h"
#include "storage/TSchedaAnagrafica.h"
#include "storage/TSchedaVisita.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

// A field image: the length byte followed by the text.
QByteArray stored(const QByteArray &text)
{
    return char(text.size()) + text;
}

QString repeated(const QString &pattern, int times)
{
    return pattern.repeated(times);
}

struct PublishedField
{
    QString name;
    int offset;
    int capacity;
};

// The fields of each record in stored order, as the file formats publish them.
const QList<PublishedField> VisitFields = {
    { u"DataEnt"_s, 0, 10 },
    { u"OraEnt"_s, 11, 5 },
    { u"OperatoreEnt"_s, 17, 50 },
    { u"Cognome"_s, 68, 50 },
    { u"Nome"_s, 119, 50 },
    { u"CodFisc"_s, 170, 16 },
    { u"Motivo"_s, 187, 50 },
    { u"Tessera"_s, 238, 30 },
    { u"TipoDoc"_s, 269, 50 },
    { u"NumDoc"_s, 320, 50 },
    { u"EnteRil"_s, 371, 50 },
    { u"TelCel"_s, 422, 50 },
    { u"Note"_s, 473, 250 },
    { u"DataUsc"_s, 724, 10 },
    { u"OraUsc"_s, 735, 5 },
    { u"OperatoreUsc"_s, 741, 50 },
};
const QList<PublishedField> ClientFields = {
    { u"Cognome"_s, 0, 50 },
    { u"Nome"_s, 51, 50 },
    { u"CodFisc"_s, 102, 16 },
    { u"Sesso"_s, 119, 1 },
    { u"DataNasc"_s, 121, 10 },
    { u"ComuneNasc"_s, 132, 50 },
    { u"ProvNasc"_s, 183, 2 },
    { u"Iva"_s, 186, 11 },
    { u"Indirizzo"_s, 198, 50 },
    { u"Cap"_s, 249, 5 },
    { u"ComuneRes"_s, 255, 50 },
    { u"ProvRes"_s, 306, 2 },
    { u"Stato"_s, 309, 50 },
    { u"Familiari"_s, 360, 250 },
    { u"Recapito"_s, 611, 50 },
    { u"TelCasa"_s, 662, 50 },
    { u"TelCel"_s, 713, 50 },
    { u"TelUff"_s, 764, 50 },
    { u"Fax"_s, 815, 50 },
    { u"Email"_s, 866, 50 },
    { u"Qualifiche"_s, 917, 250 },
    { u"Professione"_s, 1168, 50 },
    { u"Iban"_s, 1219, 27 },
    { u"Intestatario"_s, 1247, 50 },
    { u"Banca"_s, 1298, 50 },
    { u"Carta"_s, 1349, 50 },
    { u"ScadeCarta"_s, 1400, 10 },
    { u"Prodotti"_s, 1411, 250 },
    { u"Pagamento"_s, 1662, 120 },
    { u"Note"_s, 1783, 250 },
    { u"TipoDoc"_s, 2034, 50 },
    { u"NumDoc"_s, 2085, 50 },
    { u"EnteRil"_s, 2136, 50 },
    { u"DataRil"_s, 2187, 10 },
    { u"DataSca"_s, 2198, 10 },
    { u"Codice"_s, 2209, 30 },
    { u"Categoria"_s, 2240, 50 },
    { u"Zona"_s, 2291, 50 },
    { u"Acquisto"_s, 2342, 50 },
    { u"Decorrenza"_s, 2393, 10 },
    { u"Scadenza"_s, 2404, 10 },
    { u"Preavviso"_s, 2415, 3 },
    { u"Totale"_s, 2419, 15 },
    { u"Frazionamento"_s, 2435, 50 },
    { u"Rata"_s, 2486, 50 },
    { u"File01"_s, 2537, 250 },
    { u"File02"_s, 2788, 250 },
    { u"File03"_s, 3039, 250 },
    { u"Desc01"_s, 3290, 250 },
    { u"Desc02"_s, 3541, 250 },
    { u"Desc03"_s, 3792, 250 },
};

// A record with every field holding its own name, set through the named members.
TSchedaVisita namedVisit()
{
    TSchedaVisita v;
    v.DataEnt = u"DataEnt"_s;
    v.OraEnt = u"OraEnt"_s;
    v.OperatoreEnt = u"OperatoreEnt"_s;
    v.Cognome = u"Cognome"_s;
    v.Nome = u"Nome"_s;
    v.CodFisc = u"CodFisc"_s;
    v.Motivo = u"Motivo"_s;
    v.Tessera = u"Tessera"_s;
    v.TipoDoc = u"TipoDoc"_s;
    v.NumDoc = u"NumDoc"_s;
    v.EnteRil = u"EnteRil"_s;
    v.TelCel = u"TelCel"_s;
    v.Note = u"Note"_s;
    v.DataUsc = u"DataUsc"_s;
    v.OraUsc = u"OraUsc"_s;
    v.OperatoreUsc = u"OperatoreUsc"_s;
    return v;
}

TSchedaAnagrafica namedClient()
{
    TSchedaAnagrafica c;
    c.Cognome = u"Cognome"_s;
    c.Nome = u"Nome"_s;
    c.CodFisc = u"CodFisc"_s;
    c.Sesso = u"Sesso"_s;
    c.DataNasc = u"DataNasc"_s;
    c.ComuneNasc = u"ComuneNasc"_s;
    c.ProvNasc = u"ProvNasc"_s;
    c.Iva = u"Iva"_s;
    c.Indirizzo = u"Indirizzo"_s;
    c.Cap = u"Cap"_s;
    c.ComuneRes = u"ComuneRes"_s;
    c.ProvRes = u"ProvRes"_s;
    c.Stato = u"Stato"_s;
    c.Familiari = u"Familiari"_s;
    c.Recapito = u"Recapito"_s;
    c.TelCasa = u"TelCasa"_s;
    c.TelCel = u"TelCel"_s;
    c.TelUff = u"TelUff"_s;
    c.Fax = u"Fax"_s;
    c.Email = u"Email"_s;
    c.Qualifiche = u"Qualifiche"_s;
    c.Professione = u"Professione"_s;
    c.Iban = u"Iban"_s;
    c.Intestatario = u"Intestatario"_s;
    c.Banca = u"Banca"_s;
    c.Carta = u"Carta"_s;
    c.ScadeCarta = u"ScadeCarta"_s;
    c.Prodotti = u"Prodotti"_s;
    c.Pagamento = u"Pagamento"_s;
    c.Note = u"Note"_s;
    c.TipoDoc = u"TipoDoc"_s;
    c.NumDoc = u"NumDoc"_s;
    c.EnteRil = u"EnteRil"_s;
    c.DataRil = u"DataRil"_s;
    c.DataSca = u"DataSca"_s;
    c.Codice = u"Codice"_s;
    c.Categoria = u"Categoria"_s;
    c.Zona = u"Zona"_s;
    c.Acquisto = u"Acquisto"_s;
    c.Decorrenza = u"Decorrenza"_s;
    c.Scadenza = u"Scadenza"_s;
    c.Preavviso = u"Preavviso"_s;
    c.Totale = u"Totale"_s;
    c.Frazionamento = u"Frazionamento"_s;
    c.Rata = u"Rata"_s;
    c.File01 = u"File01"_s;
    c.File02 = u"File02"_s;
    c.File03 = u"File03"_s;
    c.Desc01 = u"Desc01"_s;
    c.Desc02 = u"Desc02"_s;
    c.Desc03 = u"Desc03"_s;
    return c;
}

// Every member set to its own name: each name, cut to its field's capacity, lands at its published
// offset, and the fields by index are the members the published order names.
template<typename Record> void checkNamedMembers(const Record &named, const QList<PublishedField> &fields, int size)
{
    QCOMPARE(Record::RecordSize, size);
    QCOMPARE(Record::FieldCount, int(fields.size()));
    QByteArray expected(size, '\0');
    for (const PublishedField &f : fields) {
        const QByteArray text = f.name.toLatin1().left(f.capacity);
        expected[f.offset] = char(text.size());
        expected.replace(f.offset + 1, text.size(), text);
    }
    QCOMPARE(named.toBytes(), expected);
    for (int i = 0; i < Record::FieldCount; ++i) {
        QCOMPARE(Record::layout().name(i), fields.at(i).name);
        QCOMPARE(named.field(i), fields.at(i).name);
        QCOMPARE(named.field(typename Record::Field(i)), fields.at(i).name);
    }
}

// The field at `index` filled beyond its capacity: its length byte at its offset, its text cut to
// its capacity, no other byte written, and it alone comes back.
template<typename Record> void checkFieldAt(int index, int offset, int capacity)
{
    const auto &layout = Record::layout();
    QCOMPARE(layout.offset(index), offset);
    QCOMPARE(layout.capacity(index), capacity);

    Record record;
    record.field(index) = repeated(u"x"_s, capacity + 10);
    const QByteArray image = record.toBytes();
    QCOMPARE(image.size(), Record::RecordSize);
    QCOMPARE(int(static_cast<unsigned char>(image.at(offset))), capacity);
    QCOMPARE(image.mid(offset + 1, capacity), QByteArray(capacity, 'x'));
    const QByteArray outside = image.left(offset) + image.mid(offset + 1 + capacity);
    QCOMPARE(outside.count('\0'), outside.size());
    Record expected;
    expected.field(index) = repeated(u"x"_s, capacity);
    QCOMPARE(Record::fromBytes(image), expected);
}

} // namespace

class TestRecordLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void store_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("expected"); // length byte and text bytes; the rest must be zeros

        const QString surname60 = repeated(u"ABCDEFGHIJ"_s, 6);
        const QString note300 = repeated(u"Nota "_s, 60);
        QTest::newRow("plain") << u"Rossi"_s << 50 << stored("Rossi");
        QTest::newRow("blanks trimmed, inner kept") << u"  Di Maio \t"_s << 50 << stored("Di Maio");
        QTest::newRow("control characters trimmed") << u"\r\nX\u0001"_s << 50 << stored("X");
        QTest::newRow("blanks only") << u"     "_s << 50 << bytes({ 0 });
        QTest::newRow("empty") << QString() << 10 << bytes({ 0 });
        QTest::newRow("60-char surname keeps 50") << surname60 << 50 << (bytes({ 50 }) + surname60.left(50).toLatin1());
        QTest::newRow("300-char note keeps 250") << note300 << 250 << (bytes({ 250 }) + note300.left(250).toLatin1());
        QTest::newRow("full fiscal code") << u"RSSMRA80A01H501U"_s << 16 << stored("RSSMRA80A01H501U");
        QTest::newRow("trim before cut") << u"   abcdefg"_s << 5 << stored("abcde");
        QTest::newRow("euro and accents")
            << u"€ èéàòùì"_s << 50 << bytes({ 8, 0x80, ' ', 0xE8, 0xE9, 0xE0, 0xF2, 0xF9, 0xEC });
        QTest::newRow("code page extras") << u"ŠŒ…“”"_s << 50 << bytes({ 5, 0x8A, 0x8C, 0x85, 0x93, 0x94 });
        QTest::newRow("greek replaced") << u"Aβγ"_s << 50 << stored("A??");
        QTest::newRow("missing accent gives base letter")
            << u"Dvořák"_s << 50 << bytes({ 6, 'D', 'v', 'o', 'r', 0xE1, 'k' });
        QTest::newRow("stroked and acute letters") << u"Łódź"_s << 50 << bytes({ 4, 'L', 0xF3, 'd', 'z' });
        QTest::newRow("decomposed accent composes") << u"Citte\u0300"_s << 50 << bytes({ 5, 'C', 'i', 't', 't', 0xE8 });
        QTest::newRow("emoji is one replacement") << u"a😀b"_s << 50 << stored("a?b");
        QTest::newRow("cut counts stored bytes") << u"ŠŽŸx"_s << 3 << bytes({ 3, 0x8A, 0x8E, 0x9F });
    }
    void store()
    {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(QByteArray, expected);
        QByteArray field(capacity + 1, '\xFF'); // old contents must not survive
        ShortString::store(field.data(), capacity, text);
        QCOMPARE(field.left(expected.size()), expected);
        QCOMPARE(field.mid(expected.size()), QByteArray(capacity + 1 - expected.size(), '\0'));
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("field"); // length byte and what follows it
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << stored("Rossi") + "XXXX" << 10 << u"Rossi"_s;
        QTest::newRow("bytes after the length ignored") << bytes({ 2 }) + "ABCDEFGH" << 8 << u"AB"_s;
        QTest::newRow("blanks trimmed on load") << stored("  Rossi ") << 10 << u"Rossi"_s;
        QTest::newRow("blanks only") << stored("   ") << 10 << QString();
        QTest::newRow("zero length") << bytes({ 0 }) + "ABC" << 3 << QString();
        QTest::newRow("code page decoded") << bytes({ 4, 0x80, 0xE8, 0x9A, 0x92 }) << 10 << u"€èš’"_s;
        QTest::newRow("length above capacity reads capacity") << (bytes({ 200 }) + "ABCDE") << 5 << u"ABCDE"_s;
        QTest::newRow("length 255 in a one-byte field") << (bytes({ 255 }) + "M") << 1 << u"M"_s;
    }
    void load()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, capacity);
        QFETCH(QString, expected);
        // The field sits in a larger buffer whose next bytes must never be read as text.
        QByteArray buffer = field.leftJustified(capacity + 1, '\0') + QByteArray(300, 'Z');
        QCOMPARE(ShortString::load(buffer.constData(), capacity), expected);
        QCOMPARE(ShortString::isBlank(buffer.constData(), capacity), expected.isEmpty());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("euro and accents") << u"Perché in città: 5 €, così"_s << u"Perché in città: 5 €, così"_s;
        QTest::newRow("every upper byte")
            << u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ ¡¿ÀÿÆß"_s << u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ ¡¿ÀÿÆß"_s;
        QTest::newRow("greek") << u"Ωmega"_s << u"?mega"_s;
        QTest::newRow("cyrillic") << u"Иван"_s << u"????"_s;
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TSchedaVisita visit;
        visit.Note = text;
        QCOMPARE(TSchedaVisita::fromBytes(visit.toBytes()).Note, expected);
        TSchedaAnagrafica client;
        client.Note = text;
        QCOMPARE(TSchedaAnagrafica::fromBytes(client.toBytes()).Note, expected);
    }

    void fieldOffsets_data()
    {
        QTest::addColumn<bool>("client");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("capacity");
        for (int i = 0; i < VisitFields.size(); ++i) {
            const PublishedField &f = VisitFields.at(i);
            QTest::addRow("visit %s", qPrintable(f.name)) << false << i << f.offset << f.capacity;
        }
        for (int i = 0; i < ClientFields.size(); ++i) {
            const PublishedField &f = ClientFields.at(i);
            QTest::addRow("client %s", qPrintable(f.name)) << true << i << f.offset << f.capacity;
        }
    }
    void fieldOffsets()
    {
        QFETCH(bool, client);
        QFETCH(int, index);
        QFETCH(int, offset);
        QFETCH(int, capacity);
        if (client)
            checkFieldAt<TSchedaAnagrafica>(index, offset, capacity);
        else
            checkFieldAt<TSchedaVisita>(index, offset, capacity);
    }

    void exitFieldsThroughNamedMembers()
    {
        TSchedaVisita visit;
        visit.DataUsc = u" 01/02/2026 "_s;
        visit.OperatoreUsc = u"Bianchi"_s;
        const QByteArray image = visit.toBytes();
        QCOMPARE(image.mid(724, 11), stored("01/02/2026"));
        QCOMPARE(image.mid(741, 8), stored("Bianchi"));
    }

    void namedMembersMatchTheTable()
    {
        checkNamedMembers(namedVisit(), VisitFields, 792);
        checkNamedMembers(namedClient(), ClientFields, 4043);
    }

    void shortInputIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(StorageError, TSchedaVisita::fromBytes(QByteArray(791, '\0')));
        QVERIFY_THROWS_EXCEPTION(StorageError, TSchedaAnagrafica::fromBytes(QByteArray(4042, '\0')));
    }
};

QTEST_GUILESS_MAIN(TestRecordLayout)
#include "TestRecordLayout.moc"
