#include "register/Registro.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"

using namespace Qt::StringLiterals;

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : Screen(u"TfrmRegistro"_s, u" Portavel - Archivio Visite anno "_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
}

void TfrmRegistro::onClose()
{
    switchTo(Windows().avvio);
}
