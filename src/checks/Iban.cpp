#include "checks/Iban.h"

using namespace Qt::StringLiterals;

TfrmIban::TfrmIban(QWidget *parent)
    : Dialog(u"TfrmIban"_s, u" Controllo IBAN"_s, QSize(620, 260), parent, Dialog::Placement::CentreOnScreen)
{
}
