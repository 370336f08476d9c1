#include "app/Password.h"

#include "app/Avvio.h"
#include "base/Crypt.h"
#include "base/PasswordStore.h"
#include "base/ProgramFolder.h"
#include "widgets/FocusFrame.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

bool isEnter(const QEvent *event)
{
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

QLineEdit *MakePasswordBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setEchoMode(QLineEdit::Password);
    box->setFont(VerdanaFont(14, true));
    box->setStyleSheet(
        u"QLineEdit { background: white; color: %1; border: 1px solid %2; border-radius: 3px; padding: 0px 6px; }"_s
            .arg(Palette::BoxInk.name(), Palette::PasswordBorder.name()));
    AttachFocusFrame(box);
    return box;
}

TfrmPassword::TfrmPassword(QWidget *parent)
    : Screen(u"TfrmPassword"_s, u" Portavel - Autenticazione"_s, Screen::Kind::Fixed, QSize(440, 280), parent)
{
    setBackground(Palette::LoginTop, Palette::LoginBottom);
    QWidget *p = panel();
    MakeBanner(p, BannerStyle::Login, LoginBannerRect, u"Immetti la password e premi OK."_s, u":/img/lucchetto.svg"_s);

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
    // Without its store the program would refuse every password, the right one too.
    if (!QFileInfo::exists(PasswordStore::path())) {
        Messages::notice(
            u"Attenzione: il file delle password unins000.dll non si trova nella cartella degli archivi."_s, this);
        m_txtPassword->setFocus(Qt::OtherFocusReason);
        return;
    }
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
        if (IsWritableFolder(ProgramFolder())) {
            // The day's copy runs behind the start menu: the desk is not kept waiting for it.
            auto *avvio = static_cast<TfrmAvvio *>(Screen::of(ScreenId::Avvio));
            switchTo(avvio);
            avvio->startDailyBackup();
        } else {
            // Archives that cannot be written are still read; the operator must know saves will fail.
            switchTo(Screen::of(ScreenId::Avvio));
            Messages::warning(u"Attenzione: la cartella degli archivi non consente la scrittura: le schede si possono"
                              " consultare ma non salvare."_s,
                Screen::of(ScreenId::Avvio));
        }
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
    switchTo(Screen::of(ScreenId::CambiaPassword));
}
