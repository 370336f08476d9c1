#include "registry/TrovaClienti.h"

using namespace Qt::StringLiterals;

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent)
    : Dialog(u"TfrmTrovaClienti"_s, u" Trova Visitatori in archivio"_s, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
{
}
