#include "registry/Anagrafica.h"

#include "widgets/ClickableImage.h"
#include "widgets/Look.h"

using namespace Qt::StringLiterals;

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : Screen(
        u"TfrmAnagrafica"_s, u" Portavel - Archivio Anagrafico"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    const Banner banner = MakeBanner(panel(), BannerStyle::Screen, ScreenBannerRect, u"Archivio Anagrafico"_s,
        u":/img/tile_anagrafica.svg"_s, u"cmdEsci"_s);
    connect(banner.exit, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmAnagrafica::onClose()
{
    switchTo(Screen::of(ScreenId::Avvio));
}
