#include "app/Guida.h"

using namespace Qt::StringLiterals;

TfrmGuida::TfrmGuida(QWidget *parent)
    : Dialog(u"TfrmGuida"_s, u" Guida all'utilizzo del software"_s, QSize(670, 572), parent, Dialog::Placement::CentreOnScreen)
{
}
