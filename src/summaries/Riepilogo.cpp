#include "summaries/Riepilogo.h"

using namespace Qt::StringLiterals;

TfrmRiepilogo::TfrmRiepilogo(QWidget *parent)
    : Dialog(u"TfrmRiepilogo"_s, u" Portavel - Riepilogo Visite"_s, QSize(1016, 713), parent, Dialog::Placement::CentreOnScreen)
{
}
