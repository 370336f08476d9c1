#include "checks/PartitaIva.h"

using namespace Qt::StringLiterals;

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : Dialog(u"TfrmPartitaIva"_s, u" Controllo partita IVA"_s, QSize(520, 260), parent, Dialog::Placement::CentreOnScreen)
{
}
