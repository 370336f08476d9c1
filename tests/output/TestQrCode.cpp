#include "output/QrCode.h"

#include <QTest>

namespace {

// Whether the 7 by 7 finder pattern (a dark ring, a light ring, a dark 3 by 3 core) has its
// top-left module at (left, top).
bool finderAt(const QList<QBitArray> &rows, int left, int top)
{
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const int ring = std::min(std::min(x, 6 - x), std::min(y, 6 - y));
            if (rows.at(top + y).testBit(left + x) != (ring != 1))
                return false;
        }
    }
    return true;
}

} // namespace

// The QR code's modules: the version its text needs at level M in 8-bit mode, the quiet zone, the
// finder patterns, and what does not fit.
class TestQrCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modules_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("size");
        // Version 1 at level M holds 14 bytes (17 at L, 11 at Q; 20 characters in alphanumeric
        // mode), version 2 holds 26; version 40 holds 2331. Each side adds a quiet zone of 4.
        QTest::newRow("short") << QByteArray("PV:2024:1") << 21 + 8;
        QTest::newRow("version 1 full") << QByteArray("PV:2024:123456") << 21 + 8;
        QTest::newRow("one byte more") << QByteArray("PV:2024:1234567") << 25 + 8;
        QTest::newRow("version 2 full") << QByteArray(26, 'A') << 25 + 8;
        QTest::newRow("version 40 full") << QByteArray(2331, '7') << 177 + 8;
        QTest::newRow("too long") << QByteArray(2332, '7') << 0;
        QTest::newRow("empty") << QByteArray() << 0;
    }

    void modules()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, size);
        const QList<QBitArray> rows = QrCodeModules(data);
        QCOMPARE(rows.size(), size);
        if (size == 0)
            return;
        for (int y = 0; y < size; ++y) {
            QCOMPARE(rows.at(y).size(), size);
            for (int x = 0; x < size; ++x) {
                const bool quiet = std::min(std::min(x, size - 1 - x), std::min(y, size - 1 - y)) < QrQuietZone;
                if (quiet)
                    QVERIFY2(!rows.at(y).testBit(x), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        const int far = size - QrQuietZone - 7;
        QVERIFY(finderAt(rows, QrQuietZone, QrQuietZone));
        QVERIFY(finderAt(rows, far, QrQuietZone));
        QVERIFY(finderAt(rows, QrQuietZone, far));
        QVERIFY(!finderAt(rows, far, far));
    }
};

QTEST_MAIN(TestQrCode)
#include "TestQrCode.moc"
