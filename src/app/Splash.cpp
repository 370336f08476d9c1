#include "app/Splash.h"

using namespace Qt::StringLiterals;

TfrmSplash::TfrmSplash(QWidget *parent)
    : Dialog(u"TfrmSplash"_s, u" Portavel - software per la reception"_s, QSize(661, 467), parent, Dialog::Placement::CentreOnOwner)
{
}
