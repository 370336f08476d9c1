#include "registry/DaRinnovare.h"

using namespace Qt::StringLiterals;

TfrmDaRinnovare::TfrmDaRinnovare(QWidget *parent)
    : Dialog(u"TfrmDaRinnovare"_s, u" Riepilogo rate in scadenza o scadute"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
