#include "register/TrovaVisite.h"

#include "widgets/Screen.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent)
    : Dialog(u"TfrmTrovaVisite"_s, u" Trova visite in archivio"_s, QSize(862, 560), parent,
        Dialog::Placement::CentreOnScreen)
    , m_lblMemory(MakeHiddenLabel(this, u"lblMemory"_s))
{
}

void TfrmTrovaVisite::setMode(const QString &word)
{
    m_lblMemory->setText(word);
}
