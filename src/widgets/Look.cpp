#include "widgets/Look.h"

#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    if (geometry.isValid())
        button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(QFont(u"Verdana"_s, 9, QFont::Bold));
    button->setStyleSheet(u"QPushButton { color: #15305a; border: 1px solid #4f77a3; border-radius: 5px;"
                          " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d3e0ef); }"
                          "QPushButton:hover { border-color: #1f5fa8;"
                          " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4eefa); }"
                          "QPushButton:pressed { background: #c2d4ea; }"
                          "QPushButton:focus { border: 2px solid #e0a800; }"
                          "QPushButton:disabled { color: #93a3b8; border-color: #aebdcf; background: #e8edf3; }"_s);
    return button;
}

ClickableImage *MakeTitleBanner(QWidget *panel, const QString &picture, const QString &title, const QString &exitName)
{
    auto *banner = new GradientPanel(panel, QColor(255, 255, 255, 235), QColor(221, 232, 244, 235));
    banner->setObjectName(u"shpTitolo"_s);
    banner->setBorder(QColor(120, 150, 190), 1, 14);
    banner->setGeometry(20, 20, 955, 100);
    auto *image = new QLabel(banner);
    image->setObjectName(u"imgTitolo"_s);
    image->setGeometry(24, 8, 112, 84);
    image->setPixmap(SvgPixmap(picture, image->size()));
    auto *label = new QLabel(title, banner);
    label->setObjectName(u"lblTitolo"_s);
    label->setGeometry(150, 10, 680, 80);
    label->setFont(QFont(u"Verdana"_s, 22, QFont::Bold));
    label->setStyleSheet(u"color: #1B3A5E;"_s);

    auto *exit = new ClickableImage(exitName, u":/img/icona_esci.svg"_s, QRect(875, 22, 56, 56), banner);
    exit->setToolTip(u"Esci"_s);
    return exit;
}
