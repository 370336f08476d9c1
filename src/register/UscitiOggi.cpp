#include "register/UscitiOggi.h"

using namespace Qt::StringLiterals;

TfrmUscitiOggi::TfrmUscitiOggi(QWidget *parent)
    : Dialog(u"TfrmUscitiOggi"_s, u" Visitatori usciti oggi"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
