#include "app/Password.h"

#include <QApplication>

using namespace Qt::StringLiterals;

TfrmPassword::TfrmPassword(QWidget *parent)
    : Screen(u"TfrmPassword"_s, u" Portavel - Autenticazione"_s, Screen::Kind::Fixed, QSize(420, 260), parent)
{
}

void TfrmPassword::onClose()
{
    QApplication::quit();
}
