#include "app/CambiaPassword.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"

using namespace Qt::StringLiterals;

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : Screen(u"TfrmCambiaPassword"_s, u" Cambia password"_s, Screen::Kind::Fixed, QSize(420, 340), parent)
{
}

void TfrmCambiaPassword::onClose()
{
    switchTo(Windows().avvio);
}
