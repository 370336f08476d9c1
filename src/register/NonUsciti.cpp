#include "register/NonUsciti.h"

using namespace Qt::StringLiterals;

TfrmNonUsciti::TfrmNonUsciti(QWidget *parent)
    : Dialog(u"TfrmNonUsciti"_s, u" Visitatori non ancora usciti"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
