#include "summaries/MenuRiepilogo.h"

#include "widgets/ClickableImage.h"
#include "widgets/Look.h"

using namespace Qt::StringLiterals;

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent)
    : Screen(
        u"TfrmMenuRiepilogo"_s, u" Portavel - Riepilogo Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    auto *esci = MakeTitleBanner(panel(), u":/img/tile_riepilogo.svg"_s, u"Riepilogo Visite"_s, u"btnEsci"_s);
    connect(esci, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmMenuRiepilogo::onClose()
{
    switchTo(Screen::of(ScreenId::Avvio));
}
