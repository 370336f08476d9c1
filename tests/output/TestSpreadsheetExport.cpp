#include "output/SpreadsheetExport.h"
#include "storage/StorageError.h"

#include <QBuffer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<ExportColumn, 1> OneColumn { { { u"Note", 300 } } };
constexpr ExportSheet OneColumnSheet { u"prova.xls", u"Prova", OneColumn };

constexpr const char *DataCell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";

// The bytes of the one data cell of a one-row, one-column file.
QByteArray writtenCell(const QString &text)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteSpreadsheet(&buffer, OneColumnSheet, 1, [&text](int, int) { return text; });
    const QByteArray file = buffer.data();
    const QByteArray open = QByteArray("<tr>") + DataCell;
    const qsizetype start = file.indexOf(open);
    const qsizetype end = file.lastIndexOf("</td></tr></table></body></html>");
    if (start < 0 || end < 0 || !file.endsWith("</html>"))
        return "<malformed>";
    return file.mid(start + open.size(), end - start - open.size());
}

// A device that takes `room` bytes and then refuses, as a full disk does.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 written = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (written + size > m_room) {
            setErrorString(u"No space left on device"_s);
            return -1;
        }
        written += size;
        return size;
    }

private:
    qint64 m_room;
};

} // namespace

// What a cell's text becomes in the file: the text itself, in Windows-1252, never markup.
class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("plain") << u"Rossi"_s << QByteArray("Rossi");
        QTest::newRow("trimmed") << u" \t Rossi Bianchi  "_s << QByteArray("Rossi Bianchi");
        QTest::newRow("blanks only") << u"    "_s << QByteArray();
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("leading zeros") << u"0612345678"_s << QByteArray("0612345678");
        QTest::newRow("markup") << u"<b>Rossi</b>"_s << QByteArray("&lt;b&gt;Rossi&lt;/b&gt;");
        QTest::newRow("script") << u"<script>alert(1)</script>"_s
                                << QByteArray("&lt;script&gt;alert(1)&lt;/script&gt;");
        QTest::newRow("ampersand and quotes")
            << u"Rossi & \"Figli\" &amp;"_s << QByteArray("Rossi &amp; &quot;Figli&quot; &amp;amp;");
        QTest::newRow("accents and euro")
            << u"Città, però, 10 € ‘così’"_s << QByteArray("Citt\xe0, per\xf2, 10 \x80 \x91\x63os\xec\x92");
        QTest::newRow("letter the code page lacks") << u"Erdős"_s << QByteArray("Erd&#337;s");
        QTest::newRow("greek") << u"Ωμέγα"_s << QByteArray("&#937;&#956;&#941;&#947;&#945;");
        QTest::newRow("outside the basic plane") << u"ok 😀"_s << QByteArray("ok &#128512;");
        QTest::newRow("combining accent") << u"Jose\u0301"_s << QByteArray("Jos\xe9");
        QTest::newRow("line break inside") << u"riga uno\r\nriga due"_s << QByteArray("riga uno&#13;&#10;riga due");
    }
    void cellText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(writtenCell(text), bytes);
    }

    void fullDeviceStopsTheWrite()
    {
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        const ExportCell cell = [](int row, int) { return u"riga %1"_s.arg(row); };
        WriteSpreadsheet(&whole, OneColumnSheet, 50, cell);

        // Room for all but the tail: the write fails at the last piece, not silently.
        FullDevice full(whole.size() - 1);
        QVERIFY_THROWS_EXCEPTION(StorageError, WriteSpreadsheet(&full, OneColumnSheet, 50, cell));
        QVERIFY(full.written < whole.size());
        QVERIFY(full.written > whole.size() - 40);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "TestSpreadsheetExport.moc"
