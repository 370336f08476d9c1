#include "register/ExpVisite.h"

using namespace Qt::StringLiterals;

TfrmExpVisite::TfrmExpVisite(QWidget *parent)
    : Dialog(u"TfrmExpVisite"_s, u" Esporta archivio visite in Microsoft Excel"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
