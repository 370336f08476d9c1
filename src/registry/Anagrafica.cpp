#include "registry/Anagrafica.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"

using namespace Qt::StringLiterals;

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : Screen(u"TfrmAnagrafica"_s, u" Portavel - Archivio Anagrafico"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
}

void TfrmAnagrafica::onClose()
{
    switchTo(Windows().avvio);
}
