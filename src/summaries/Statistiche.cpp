#include "summaries/Statistiche.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"

using namespace Qt::StringLiterals;

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : Screen(u"TfrmStatistiche"_s, u" Portavel - Statistiche visite mensili"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
}

void TfrmStatistiche::onClose()
{
    switchTo(Windows().avvio);
}
