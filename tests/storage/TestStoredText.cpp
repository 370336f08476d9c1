// The scans decide on stored bytes and decode only what they keep: every answer they give must be
// the one the decoded, trimmed text gives. Random cards and keys, drawn from the bytes and
// characters where the two could part (blanks and control characters, the code page's 0x80-0x9F
// letters, a byte no character stands for, a stored "?", letters the code page lacks, length
// bytes past the capacity), go through both paths.

#include "base/FindInList.h"
#include "base/ListText.h"
#include "base/SearchCriteria.h"
#include "base/TextFunctions.h"
#include "storage/LineStore.h"
#include "storage/StoredText.h"
#include "storage/TSchedaVisita.h"
#include "storage/Windows1252.h"
#include "visits/PresenceLines.h"
#include "visits/VisitSearch.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

// Stored bytes where the byte and the text rules could disagree, with plain letters between them.
const QByteArray BytePool
    = QByteArray("aAzZrRoOsS  \t\x01/0123456789?", 27) + "\x8A\x9A\x9F\xFF\x80\x81\x8D\xE0\xC0\xF2\xD2\x20\x1F";

const QStringList DatePool { u"15/06/2024"_s, u"5/6/2024"_s, u" 15/06/2024"_s, u"15 / 06 / 2024"_s, u"31/02/2024"_s,
    u"00/06/2024"_s, u"15/13/2024"_s, u"15/06/0000"_s, u"15/06/24"_s, u"15/06"_s, u"15/06/2024/"_s, u"1a/06/2024"_s,
    u"15-06-2024"_s, u"29/02/2024"_s, u"29/02/2023"_s, u"01/01/2025"_s, QString() };

// Keys as an operator may type them, with what no stored text can hold.
const QStringList KeyPool { u"ross"_s, u"ROSS"_s, u"r"_s, u" "_s, u"a "_s, u"?"_s, u"\u0141"_s, u"\u03C8"_s,
    u"\u0160"_s, u"\u0161"_s, u"\u0178"_s, u"\u00E0"_s, u"\u00C0"_s, u"\u20AC"_s, u"\u0081"_s, u"\uFFFD"_s,
    u"\U0001F600"_s, u"15/06"_s, u"/2024"_s, u"\u00F2z"_s, u"zz"_s };

QByteArray randomBytes(QRandomGenerator &random, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += random.bounded(4) == 0 ? char(random.bounded(256)) : BytePool.at(random.bounded(BytePool.size()));
    return out;
}

QByteArray randomRecord(QRandomGenerator &random)
{
    QByteArray record(TSchedaVisita::RecordSize, '\0');
    const auto &layout = TSchedaVisita::layout();
    for (int f = 0; f < TSchedaVisita::FieldCount; ++f) {
        char *field = record.data() + layout.offset(f);
        const int capacity = layout.capacity(f);
        QByteArray text;
        const bool date = f == int(F::DataEnt) || f == int(F::DataUsc);
        if (date && random.bounded(3) > 0)
            text = DatePool.at(random.bounded(DatePool.size())).toLatin1().left(capacity);
        else
            text = randomBytes(random, random.bounded(std::min(capacity, 36) + 1));
        // Now and then a length byte past the capacity, or bytes after the stored length.
        const int length = random.bounded(20) == 0 ? 200 + random.bounded(56) : int(text.size());
        field[0] = char(length);
        const QByteArray filled = random.bounded(10) == 0 ? randomBytes(random, capacity) : text;
        std::memcpy(field + 1, filled.constData(), size_t(std::min<qsizetype>(filled.size(), capacity)));
    }
    return record;
}

// A key: from the pool, or a piece of one of the card's fields with its letter case changed.
QString randomKey(QRandomGenerator &random, const TSchedaVisita &card)
{
    if (random.bounded(2) == 0)
        return KeyPool.at(random.bounded(KeyPool.size()));
    const QString field = card.field(random.bounded(TSchedaVisita::FieldCount));
    if (field.isEmpty())
        return u"x"_s;
    const int from = random.bounded(int(field.size()));
    QString key = field.mid(from, 1 + random.bounded(4));
    return random.bounded(2) == 0 ? UpperAZ(key) : key;
}

} // namespace

class TestStoredText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytesDecodeAsTheCodePage()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(StoredText::decode(all), DecodeWindows1252(all));
        for (int b = 0; b < 256; ++b) {
            const QString one = DecodeWindows1252(all.sliced(b, 1));
            QCOMPARE(StoredText::exactBytes(one), std::optional<QByteArray>(all.sliced(b, 1)));
        }
        // A character no byte decodes to equals no stored text; a lossy save's "?" is no match for it.
        QCOMPARE(StoredText::exactBytes(u"\u0141"_s), std::nullopt);
        QCOMPARE(StoredText::exactBytes(u"Ro\u03C8"_s), std::nullopt);
    }

    // Cards read whole (decoded and trimmed) and judged on their bytes give the same lists,
    // searches, lines and dates.
    void bytesAndTextAgree()
    {
        QRandomGenerator random(20241210);
        const QList<VisitField> &boxes = VisitSearchFields();
        for (int i = 0; i < 20000; ++i) {
            const QByteArray record = randomRecord(random);
            const TSchedaVisita card = TSchedaVisita::fromBytes(record);
            const RecordView<TSchedaVisita> view(record.constData());
            const QString context = u"card %1: %2"_s.arg(i).arg(QString::fromLatin1(record.toHex()));

            for (int f = 0; f < TSchedaVisita::FieldCount; ++f)
                QVERIFY2(StoredText::decode(view.bytes(VisitField(f))) == card.field(f), qPrintable(context));
            QVERIFY2(StoredText::date(view.bytes(F::DataEnt)) == ParseDate(card.DataEnt), qPrintable(context));

            const QString today = random.bounded(2) ? card.DataEnt : DatePool.at(random.bounded(DatePool.size()));
            for (PresenceKind kind : { PresenceKind::NonUsciti, PresenceKind::EntratiOggi, PresenceKind::UscitiOggi }) {
                QVERIFY2(
                    IsPresenceListed(kind, view, today) == IsPresenceListed(kind, card, today), qPrintable(context));
                QVERIFY2(PresenceLine(kind, view) == PresenceLine(kind, card), qPrintable(context));
            }
            QVERIFY2(VisitSearchLine(view) == VisitSearchLine(card), qPrintable(context));

            QStringList typed(boxes.size());
            for (int k = random.bounded(3); k >= 0; --k)
                typed[random.bounded(int(boxes.size()))] = randomKey(random, card);
            const SearchCriteria criteria(typed);
            const bool byText = criteria.matches([&](int box) { return card.field(boxes.at(box)); });
            const bool byBytes = FoldedCriteria(criteria).matches([&](int box) { return view.bytes(boxes.at(box)); });
            QVERIFY2(byText == byBytes, qPrintable(context + u" keys "_s + typed.join(u'|')));
        }
    }

    // The list box's lines: sorted as SortListLines sorts the texts, equal lines in the order
    // given, tags with their lines, and Trova's matches, whatever the lines hold.
    void storedLinesSortAndMatchAsTexts()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 40; ++round) {
            QStringList lines;
            QList<int> tags;
            const int count = 1 + random.bounded(400);
            for (int i = 0; i < count; ++i) {
                // Long shared beginnings, so that the end of a line decides; now and then a text
                // with a character no byte stands for, or a copy of an earlier line.
                QString line = i > 0 && random.bounded(5) == 0
                    ? lines.at(random.bounded(i))
                    : u"Della Valle Montefeltro Sforza Mario  Cel. 333"_s.left(random.bounded(48))
                        + DecodeWindows1252(randomBytes(random, random.bounded(8)));
                if (random.bounded(30) == 0)
                    line += KeyPool.at(random.bounded(KeyPool.size()));
                lines.append(line);
                tags.append(i);
            }
            LineStore store = LineStore::fromLines(lines, tags);
            store.sort();
            QStringList expected = lines;
            QList<int> expectedTags = tags;
            SortListLines(expected, expectedTags);
            QCOMPARE(store.lines(), expected);
            QCOMPARE(store.tags(), expectedTags);

            for (const QString &typed : KeyPool) {
                const QString key = LowerAZ(typed);
                const FoldedKey folded(key);
                for (qsizetype row = 0; row < store.size(); ++row)
                    QCOMPARE(store.lineMatches(row, folded), FindInList::lineMatches(expected.at(row), key));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestStoredText)
#include "TestStoredText.moc"
