#include "app/CambiaPassword.h"

#include "app/Password.h"
#include "base/Crypt.h"
#include "base/LoginAttempts.h"
#include "base/PasswordStore.h"
#include "storage/OperatorStore.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : Screen(u"TfrmCambiaPassword"_s, u" Cambia password"_s, Screen::Kind::Fixed, QSize(440, 380), parent)
{
    setBackground(Palette::LoginTop, Palette::LoginBottom);
    QWidget *p = panel();
    MakeBanner(p, BannerStyle::Login, LoginBannerRect, u"Cambia password"_s, u":/img/chiave.svg"_s);

    const LabelLook caption { VerdanaFont(10, true), Palette::ButtonInk };
    MakeLabel(p, QString(), u"Vecchia password:"_s, QRect(40, 102, 360, 20), caption);
    m_txtPasswordOld = MakePasswordBox(p, u"txtPasswordOld"_s, QRect(40, 124, 360, 36));
    MakeLabel(p, QString(), u"Nuova password:"_s, QRect(40, 172, 360, 20), caption);
    m_txtPasswordNew = MakePasswordBox(p, u"txtPasswordNew"_s, QRect(40, 194, 360, 36));
    MakeLabel(p, QString(), u"Conferma nuova password:"_s, QRect(40, 242, 360, 20), caption);
    m_txtConferma = MakePasswordBox(p, u"txtConferma"_s, QRect(40, 264, 360, 36));

    m_cmdOK = MakeButton(p, u"cmdOK"_s, u"OK"_s, QRect(226, 326, 84, 34));
    m_cmdEsci = MakeButton(p, u"cmdEsci"_s, u"Chiudi"_s, QRect(316, 326, 84, 34));
    m_cmdOK->setEnabled(false);
    m_lblMemory = MakeHiddenLabel(p, u"lblMemory"_s);

    setTabOrder(m_txtPasswordOld, m_txtPasswordNew);
    setTabOrder(m_txtPasswordNew, m_txtConferma);
    setTabOrder(m_txtConferma, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdEsci);

    // Enter only walks the boxes: OK is always a deliberate click.
    InstallEnterCycle({ m_txtPasswordOld, m_txtPasswordNew, m_txtConferma });
    for (QLineEdit *box : { m_txtPasswordOld, m_txtPasswordNew, m_txtConferma }) {
        connect(box, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
        box->installEventFilter(this);
    }
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(m_cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::onShow()
{
    m_txtPasswordOld->clear();
    m_txtPasswordNew->clear();
    m_txtConferma->clear();
    m_lblMemory->clear();
    m_txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::onClose()
{
    if (auto *login = qobject_cast<TfrmPassword *>(Screen::of(ScreenId::Password))) {
        login->clearPassword();
        switchTo(login);
    }
}

bool TfrmCambiaPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease
        && (watched == m_txtPasswordOld || watched == m_txtPasswordNew || watched == m_txtConferma))
        txtChange();
    return Screen::eventFilter(watched, event);
}

void TfrmCambiaPassword::txtChange()
{
    m_cmdOK->setEnabled(!TrimmedText(m_txtPasswordOld).isEmpty() && !TrimmedText(m_txtPasswordNew).isEmpty()
        && !TrimmedText(m_txtConferma).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    if (OperatorStore::configured()) {
        changeOperatorPassword();
        return;
    }
    const QString failure = u"Attenzione: si è verificato un errore durante la procedura di modifica della password."
                            " Si consiglia di reinstallare il software."_s;
    QString stored;
    try {
        stored = PasswordStore::readPassword();
    } catch (const PasswordError &) {
        Messages::notice(failure, this);
        return;
    }
    if (stored != PasswordText(m_txtPasswordOld->text())) {
        refuse(u"Attenzione: vecchia password errata."_s, { m_txtPasswordOld });
        return;
    }
    // Compared as typed: the same word in another case is not a confirmation.
    const QString typed = TrimmedText(m_txtPasswordNew);
    if (typed != TrimmedText(m_txtConferma)) {
        refuse(u"Attenzione: la nuova password non è stata confermata correttamente."
               " E' necessario reinserire entrambi i valori."_s,
            { m_txtPasswordNew, m_txtConferma });
        return;
    }
    // The store keeps one byte per character: anything else could never be typed back.
    const QString password = PasswordText(typed);
    if (!IsStorablePassword(password)) {
        refuse(u"Attenzione: la nuova password può contenere al massimo 255 caratteri,"
               " scelti fra lettere, cifre e simboli dell'alfabeto latino."_s,
            { m_txtPasswordNew, m_txtConferma });
        return;
    }
    try {
        PasswordStore::writePassword(password);
    } catch (const PasswordError &) {
        Messages::notice(failure, this);
        return;
    }
    RecordActivity(u"cambio_password"_s, QString(), this);
    Messages::notice(u"Modifica della password completata con successo."_s, this);
    close();
}

void TfrmCambiaPassword::changeOperatorPassword()
{
    const auto *login = qobject_cast<TfrmPassword *>(Screen::of(ScreenId::Password));
    const QString name = login ? login->operatorName() : QString();
    // The old password is a login like any other: the same lockout, or this screen would be the
    // way round it.
    if (LoginAttempts::isLocked(name)) {
        refuse(u"Attenzione: troppi tentativi errati. Riprovare tra 60 secondi."_s, { m_txtPasswordOld });
        return;
    }
    try {
        const std::optional<Operator> found = OperatorStore::verify(name, m_txtPasswordOld->text());
        if (!found) {
            LoginAttempts::failed(name);
            RecordActivity(u"accesso_negato"_s, name, this);
            refuse(u"Attenzione: vecchia password errata."_s, { m_txtPasswordOld });
            return;
        }
        LoginAttempts::succeeded(name);
        switch (OperatorStore::setPassword(found->name, m_txtPasswordNew->text(), m_txtConferma->text())) {
        case OperatorRefusal::None:
            break;
        case OperatorRefusal::ShortPassword:
            refuse(
                u"Attenzione: la password deve contenere almeno 8 caratteri."_s, { m_txtPasswordNew, m_txtConferma });
            return;
        case OperatorRefusal::ConfirmationDiffers:
            refuse(u"Attenzione: la nuova password non è stata confermata correttamente."
                   " E' necessario reinserire entrambi i valori."_s,
                { m_txtPasswordNew, m_txtConferma });
            return;
        default:
            refuse(u"Attenzione: vecchia password errata."_s, { m_txtPasswordOld });
            return;
        }
        RecordActivity(u"cambio_password"_s, found->name, this);
    } catch (const StorageError &) {
        Messages::notice(u"Attenzione: si è verificato un errore durante la procedura di modifica della password."
                         " Si consiglia di reinstallare il software."_s,
            this);
        return;
    }
    Messages::notice(u"Modifica della password completata con successo."_s, this);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}

void TfrmCambiaPassword::refuse(const QString &message, const QList<QLineEdit *> &boxes)
{
    Messages::notice(message, this);
    for (QLineEdit *box : boxes)
        box->clear();
    boxes.first()->setFocus(Qt::OtherFocusReason);
}
