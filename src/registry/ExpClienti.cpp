#include "registry/ExpClienti.h"

using namespace Qt::StringLiterals;

TfrmExpClienti::TfrmExpClienti(QWidget *parent)
    : Dialog(u"TfrmExpClienti"_s, u" Esporta archivio Visitatori in Microsoft Excel"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
