#include "registry/TrovaClienti.h"

#include "widgets/Screen.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent)
    : Dialog(u"TfrmTrovaClienti"_s, u" Trova Visitatori in archivio"_s, QSize(862, 560), parent,
        Dialog::Placement::CentreOnScreen)
    , m_lblMemory(MakeHiddenLabel(this, u"lblMemory"_s))
{
}

void TfrmTrovaClienti::setMode(const QString &word)
{
    m_lblMemory->setText(word);
}
