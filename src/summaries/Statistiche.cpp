#include "summaries/Statistiche.h"

#include "widgets/ClickableImage.h"
#include "widgets/Look.h"

using namespace Qt::StringLiterals;

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : Screen(u"TfrmStatistiche"_s, u" Portavel - Statistiche visite mensili"_s, Screen::Kind::Maximized,
        QSize(995, 692), parent)
{
    const Banner banner = MakeBanner(panel(), BannerStyle::Screen, ScreenBannerRect, u"Statistiche visite mensili"_s,
        u":/img/tile_riepilogo.svg"_s, u"btnEsci"_s);
    connect(banner.exit, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmStatistiche::onClose()
{
    switchTo(Screen::of(ScreenId::Avvio));
}
