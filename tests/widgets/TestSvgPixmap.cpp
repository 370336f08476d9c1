#include "widgets/ClickableImage.h"
#include "widgets/SvgPixmap.h"

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QString Icon = u":/img/reg_primo.svg"_s;

QImage rendered(int side)
{
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(Icon).render(&painter);
    return picture;
}

// How far two pictures of one size are apart, summed over every channel of every pixel.
qint64 distance(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum;
}

} // namespace

// The pictures on a screen of device pixel ratio 2 (this test runs with QT_SCALE_FACTOR=2).
class TestSvgPixmap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawnAtTheScreensRatio()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        const QPixmap pixmap = SvgPixmap(Icon, QSize(32, 32));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));

        // Drawn in all of its 64 by 64 pixels, not drawn in 32 by 32 and enlarged as a ratio-1 pixmap
        // would be shown: that one is blurred, far from the sharp drawing.
        const QImage sharp = rendered(64);
        const QImage enlarged = rendered(32).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(distance(pixmap.toImage(), sharp), 0);
        QVERIFY2(distance(enlarged, sharp) > 64 * 64 * 4, qPrintable(QString::number(distance(enlarged, sharp))));
    }

    void imagesAndMissingPictures()
    {
        QWidget parent;
        ClickableImage image(u"imgProva"_s, Icon, QRect(0, 0, 40, 40), &parent);
        QCOMPARE(image.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(image.pixmap().size(), QSize(80, 80));

        const QImage missing = SvgPixmap(u":/img/nessuna.svg"_s, QSize(10, 10)).toImage();
        QCOMPARE(missing.size(), QSize(20, 20));
        QCOMPARE(missing.pixelColor(5, 5).alpha(), 0);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSvgPixmap test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSvgPixmap.moc"
