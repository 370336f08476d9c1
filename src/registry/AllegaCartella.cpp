#include "registry/AllegaCartella.h"

using namespace Qt::StringLiterals;

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent)
    : Dialog(u"TfrmAllegaCartella"_s, u" Allega file"_s, QSize(640, 420), parent, Dialog::Placement::CentreOnScreen)
{
}
