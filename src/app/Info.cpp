#include "app/Info.h"

using namespace Qt::StringLiterals;

TfrmInfo::TfrmInfo(QWidget *parent)
    : Dialog(u"TfrmInfo"_s, u" Informazioni su Portavel"_s, QSize(473, 579), parent, Dialog::Placement::CentreOnScreen)
{
}
