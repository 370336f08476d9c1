// make_icon SVG PNG SIZE: renders the program's icon into a square PNG for the desktop's icon theme.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.value(3).toInt(&sizeOk);
    if (args.size() != 4 || !sizeOk || size <= 0) {
        QTextStream(stderr) << "usage: make_icon SVG PNG SIZE\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        QTextStream(stderr) << "make_icon: cannot read " << args.at(1) << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(args.at(2), "PNG")) {
        QTextStream(stderr) << "make_icon: cannot write " << args.at(2) << '\n';
        return 1;
    }
    return 0;
}
