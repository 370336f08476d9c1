#include "app/Avvio.h"

#include <QApplication>

using namespace Qt::StringLiterals;

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : Screen(u"TfrmAvvio"_s, u" Portavel"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
}

void TfrmAvvio::onClose()
{
    QApplication::quit();
}
