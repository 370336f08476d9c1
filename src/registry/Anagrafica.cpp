#include "registry/Anagrafica.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/ClickableImage.h"
#include "app/GradientPanel.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : Screen(
        u"TfrmAnagrafica"_s, u" Portavel - Archivio Anagrafico"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    auto *banner = new GradientPanel(panel(), QColor(255, 255, 255, 235), QColor(221, 232, 244, 235));
    banner->setObjectName(u"shpTitolo"_s);
    banner->setBorder(QColor(120, 150, 190), 1, 14);
    banner->setGeometry(20, 20, 955, 100);
    auto *picture = new QLabel(banner);
    picture->setObjectName(u"imgTitolo"_s);
    picture->setGeometry(24, 8, 112, 84);
    picture->setPixmap(SvgPixmap(u":/img/tile_anagrafica.svg"_s, picture->size()));
    auto *title = new QLabel(u"Archivio Anagrafico"_s, banner);
    title->setObjectName(u"lblTitolo"_s);
    title->setGeometry(150, 10, 680, 80);
    title->setFont(QFont(u"Verdana"_s, 22, QFont::Bold));
    title->setStyleSheet(u"color: #1B3A5E;"_s);

    auto *esci = new ClickableImage(u"cmdEsci"_s, u":/img/icona_esci.svg"_s, QRect(875, 22, 56, 56), banner);
    esci->setToolTip(u"Esci"_s);
    connect(esci, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmAnagrafica::onClose()
{
    switchTo(Windows().avvio);
}
