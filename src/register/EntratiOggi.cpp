#include "register/EntratiOggi.h"

using namespace Qt::StringLiterals;

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent)
    : Dialog(u"TfrmEntratiOggi"_s, u" Visitatori entrati oggi"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
