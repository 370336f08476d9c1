#include "register/MenuRegistro.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"

using namespace Qt::StringLiterals;

TfrmMenuRegistro::TfrmMenuRegistro(QWidget *parent)
    : Screen(u"TfrmMenuRegistro"_s, u" Portavel - Archivio Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
}

void TfrmMenuRegistro::onClose()
{
    switchTo(Windows().avvio);
}
