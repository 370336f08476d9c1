#include "summaries/MenuRiepilogo.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"

using namespace Qt::StringLiterals;

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent)
    : Screen(u"TfrmMenuRiepilogo"_s, u" Portavel - Riepilogo Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
}

void TfrmMenuRiepilogo::onClose()
{
    switchTo(Windows().avvio);
}
