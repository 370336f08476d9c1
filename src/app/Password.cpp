#include "app/Password.h"

#include "app/Avvio.h"
#include "base/Crypt.h"
#include "base/LoginAttempts.h"
#include "base/PasswordStore.h"
#include "base/ProgramFolder.h"
#include "base/Session.h"
#include "storage/OperatorStore.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
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

    const LabelLook caption { VerdanaFont(10, true), Palette::ButtonInk };
    m_lblOperatore = MakeLabel(p, u"lblOperatore"_s, u"Operatore:"_s, QRect(40, 96, 360, 20), caption);
    m_txtOperatore = MakePasswordBox(p, u"txtOperatore"_s, QRect(40, 118, 360, 38));
    m_txtOperatore->setEchoMode(QLineEdit::Normal);
    m_lblPassword = MakeLabel(p, u"lblPassword"_s, u"Password:"_s, QRect(40, 166, 360, 20), caption);
    m_txtPassword = MakePasswordBox(p, u"txtPassword"_s, QRect(40, 126, 360, 38));
    m_btnCambiaPassword = MakeButton(p, u"btnCambiaPassword"_s, u"Cambia password"_s, QRect(40, 210, 150, 34));
    m_cmdOK = MakeButton(p, u"cmdOK"_s, u"OK"_s, QRect(226, 210, 84, 34));
    m_cmdEsci = MakeButton(p, u"cmdEsci"_s, u"Esci"_s, QRect(316, 210, 84, 34));
    m_cmdOK->setEnabled(false);
    m_lblMemory = MakeHiddenLabel(p, u"lblMemory"_s);

    setTabOrder(m_txtOperatore, m_txtPassword);
    setTabOrder(m_txtPassword, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdEsci);
    setTabOrder(m_cmdEsci, m_btnCambiaPassword);

    connect(m_txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    m_txtPassword->installEventFilter(this);
    connect(m_txtOperatore, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    m_txtOperatore->installEventFilter(this);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(m_cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(m_btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    layOut(false);
}

void TfrmPassword::layOut(bool withOperators)
{
    m_lblOperatore->setVisible(withOperators);
    m_txtOperatore->setVisible(withOperators);
    m_lblPassword->setVisible(withOperators);
    const int shift = withOperators ? 62 : 0;
    m_txtPassword->move(40, 126 + shift);
    m_btnCambiaPassword->move(40, 210 + shift);
    m_cmdOK->move(226, 210 + shift);
    m_cmdEsci->move(316, 210 + shift);
    setPanelSize(QSize(440, 280 + shift));
    txtPasswordChange();
}

void TfrmPassword::clearPassword()
{
    m_txtPassword->clear();
    m_lblMemory->clear();
}

void TfrmPassword::clearBoxes()
{
    m_txtOperatore->clear();
    clearPassword();
}

QString TfrmPassword::operatorName() const
{
    return TrimmedText(m_txtOperatore);
}

void TfrmPassword::onShow()
{
    const bool withOperators = OperatorStore::configured();
    layOut(withOperators);
    if (withOperators && operatorName().isEmpty())
        m_txtOperatore->setFocus(Qt::OtherFocusReason);
    else
        m_txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::onClose()
{
    QApplication::quit();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtOperatore) {
        if (event->type() == QEvent::KeyPress && isEnter(event)) {
            m_txtPassword->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            txtPasswordChange();
    }
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
    m_cmdOK->setEnabled(
        !TrimmedText(m_txtPassword).isEmpty() && (m_txtOperatore->isHidden() || !operatorName().isEmpty()));
}

void TfrmPassword::txtPasswordKeyDown()
{
    if (m_cmdOK->isEnabled())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick()
{
    if (OperatorStore::configured()) {
        operatorLogin();
        return;
    }
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
        RecordActivity(u"accesso"_s, QString(), this);
        enter();
        return;
    }
    RecordActivity(u"accesso_negato"_s, u"-"_s, this);
    Messages::notice(u"Attenzione: password errata."_s, this);
    m_txtPassword->clear();
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::operatorLogin()
{
    // A wrong name, an inactive operator and a wrong password look alike: the screen tells no one
    // which names exist.
    const QString name = operatorName();
    const auto refuse = [&](const QString &text) {
        RecordActivity(u"accesso_negato"_s, name, this);
        Messages::notice(text, this);
        m_txtPassword->clear();
        m_txtPassword->setFocus(Qt::OtherFocusReason);
    };
    if (LoginAttempts::isLocked(name)) {
        refuse(u"Attenzione: troppi tentativi errati. Riprovare tra 60 secondi."_s);
        return;
    }
    std::optional<Operator> found;
    try {
        found = OperatorStore::verify(name, m_txtPassword->text());
    } catch (const StorageError &) {
        // A store that cannot be read opens nothing, and the shared password no longer does either.
    }
    if (!found) {
        LoginAttempts::failed(name);
        refuse(u"Attenzione: operatore o password errati."_s);
        return;
    }
    LoginAttempts::succeeded(name);
    Session::logIn(found->name, found->role);
    RecordActivity(u"accesso"_s, QString(), this);
    enter();
}

void TfrmPassword::enter()
{
    // The login screen comes back only for the next operator; keep nothing typed in it.
    clearBoxes();
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
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    switchTo(Screen::of(ScreenId::CambiaPassword));
}
