#include "register/StampaVisita.h"

using namespace Qt::StringLiterals;

TfrmStampaVisita::TfrmStampaVisita(QWidget *parent)
    : Dialog(u"TfrmStampaVisita"_s, u" Stampa scheda corrente"_s, QSize(364, 287), parent, Dialog::Placement::CentreOnOwner)
{
}
