#include "app/Password.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "base/Crypt.h"
#include "base/PasswordStore.h"
#include "widgets/ClickableImage.h"
#include "widgets/FocusFrame.h"
#include "widgets/GradientPanel.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QColor BandTop(18, 44, 92);
const QColor BandBottom(44, 92, 156);
constexpr int BandHeight = 84;

bool isEnter(const QEvent *event)
{
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void MakePasswordHeader(QWidget *parent, int width, const QString &picture, const QString &text)
{
    auto *band = new GradientPanel(parent, BandTop, BandBottom);
    band->setObjectName(u"shpTitolo"_s);
    band->setGeometry(0, 0, width, BandHeight);

    auto *edge = new GradientPanel(parent, QColor(255, 204, 0), QColor(230, 160, 0));
    edge->setGeometry(0, BandHeight, width, 3);

    auto *image = new QLabel(band);
    image->setObjectName(u"imgTitolo"_s);
    image->setGeometry(22, 14, 56, 56);
    image->setPixmap(SvgPixmap(picture, image->size()));

    auto *label = new QLabel(text, band);
    label->setObjectName(u"lblTitolo"_s);
    label->setGeometry(94, 14, width - 94 - 18, 56);
    label->setWordWrap(true);
    label->setFont(QFont(u"Verdana"_s, 11, QFont::Bold));
    label->setStyleSheet(u"color: white;"_s);
}

QLineEdit *MakePasswordBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setEchoMode(QLineEdit::Password);
    box->setFont(QFont(u"Verdana"_s, 14, QFont::Bold));
    box->setStyleSheet(u"QLineEdit { background: white; color: #102a4c; border: 1px solid #5b7fa6;"
                       " border-radius: 3px; padding: 0px 6px; }"_s);
    AttachFocusFrame(box);
    return box;
}

TfrmPassword::TfrmPassword(QWidget *parent)
    : Screen(u"TfrmPassword"_s, u" Portavel - Autenticazione"_s, Screen::Kind::Fixed, QSize(440, 280), parent)
{
    setBackground(QColor(190, 211, 235), QColor(250, 252, 255));
    QWidget *p = panel();
    MakePasswordHeader(p, 440, u":/img/lucchetto.svg"_s, u"Immetti la password e premi OK."_s);

    m_txtPassword = MakePasswordBox(p, u"txtPassword"_s, QRect(40, 126, 360, 38));
    m_btnCambiaPassword = MakeButton(p, u"btnCambiaPassword"_s, u"Cambia password"_s, QRect(40, 210, 150, 34));
    m_cmdOK = MakeButton(p, u"cmdOK"_s, u"OK"_s, QRect(226, 210, 84, 34));
    m_cmdEsci = MakeButton(p, u"cmdEsci"_s, u"Esci"_s, QRect(316, 210, 84, 34));
    m_cmdOK->setEnabled(false);
    m_lblMemory = MakeHiddenLabel(p, u"lblMemory"_s);

    setTabOrder(m_txtPassword, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdEsci);
    setTabOrder(m_cmdEsci, m_btnCambiaPassword);

    connect(m_txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    m_txtPassword->installEventFilter(this);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(m_cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(m_btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::clearPassword()
{
    m_txtPassword->clear();
    m_lblMemory->clear();
}

void TfrmPassword::onShow()
{
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::onClose()
{
    QApplication::quit();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtPassword) {
        if (event->type() == QEvent::KeyPress && isEnter(event)) {
            txtPasswordKeyDown();
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            txtPasswordChange();
    }
    return Screen::eventFilter(watched, event);
}

void TfrmPassword::txtPasswordChange()
{
    m_cmdOK->setEnabled(!TrimmedText(m_txtPassword).isEmpty());
}

void TfrmPassword::txtPasswordKeyDown()
{
    if (!TrimmedText(m_txtPassword).isEmpty())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick()
{
    QString stored;
    try {
        stored = PasswordStore::readPassword();
    } catch (const PasswordError &) {
        Messages::notice(u"Attenzione: si è verificato un errore durante la procedura di lettura della password."
                         " Si consiglia di reinstallare il software."_s,
            this);
        return;
    }
    if (stored == PasswordText(m_txtPassword->text())) {
        // The login screen never comes back after this; keep no typed password in it.
        clearPassword();
        switchTo(Windows().avvio);
        return;
    }
    Messages::notice(u"Attenzione: password errata."_s, this);
    m_txtPassword->clear();
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    switchTo(Windows().cambiaPassword);
}
