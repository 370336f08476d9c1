#include "checks/Carta.h"

using namespace Qt::StringLiterals;

TfrmCarta::TfrmCarta(QWidget *parent)
    : Dialog(u"TfrmCarta"_s, u" Controllo carta di credito"_s, QSize(520, 260), parent, Dialog::Placement::CentreOnScreen)
{
}
