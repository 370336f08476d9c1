#include "summaries/MenuRiepilogo.h"

#include "widgets/ClickableImage.h"
#include "widgets/Look.h"

using namespace Qt::StringLiterals;

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent)
    : Screen(
        u"TfrmMenuRiepilogo"_s, u" Portavel - Riepilogo Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    const Banner banner = MakeBanner(panel(), BannerStyle::Screen, ScreenBannerRect, u"Riepilogo Visite"_s,
        u":/img/tile_riepilogo.svg"_s, u"btnEsci"_s);
    connect(banner.exit, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmMenuRiepilogo::onClose()
{
    switchTo(Screen::of(ScreenId::Avvio));
}
