#include "register/TrovaVisite.h"

using namespace Qt::StringLiterals;

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent)
    : Dialog(u"TfrmTrovaVisite"_s, u" Trova visite in archivio"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
