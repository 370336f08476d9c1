#include "registry/Cartella.h"

using namespace Qt::StringLiterals;

TfrmCartella::TfrmCartella(QWidget *parent)
    : Dialog(u"TfrmCartella"_s, u" Gestione cartella abbinata alla scheda corrente"_s, QSize(640, 420), parent, Dialog::Placement::CentreOnScreen)
{
}
