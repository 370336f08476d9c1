#include "checks/CodFisc.h"

using namespace Qt::StringLiterals;

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : Dialog(u"TfrmCodFisc"_s, u" Controllo codice fiscale"_s, QSize(520, 260), parent, Dialog::Placement::CentreOnScreen)
{
}
