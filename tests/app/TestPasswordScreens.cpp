#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Password.h"
#include "base/Crypt.h"
#include "base/PasswordStore.h"

#include "AppFixture.h"
#include "FileSizeLimit.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString ReadError = u"Attenzione: si è verificato un errore durante la procedura di lettura della password."
                          " Si consiglia di reinstallare il software."_s;
const QString ChangeError = u"Attenzione: si è verificato un errore durante la procedura di modifica della password."
                            " Si consiglia di reinstallare il software."_s;
const QString WrongPassword = u"Attenzione: password errata."_s;
const QString WrongOld = u"Attenzione: vecchia password errata."_s;
const QString NotConfirmed = u"Attenzione: la nuova password non è stata confermata correttamente."
                             " E' necessario reinserire entrambi i valori."_s;
const QString NotStorable = u"Attenzione: la nuova password può contenere al massimo 255 caratteri,"
                            " scelti fra lettere, cifre e simboli dell'alfabeto latino."_s;
const QString Changed = u"Modifica della password completata con successo."_s;

} // namespace

class TestPasswordScreens : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    static QWidget *login() { return Windows().password(); }
    static QWidget *change() { return Windows().cambiaPassword(); }
    static QWidget *avvio() { return Windows().avvio(); }

    // Raw content of the store file; other lines and LF breaks make a rewrite show.
    static QByteArray storeWith(const QByteArray &value)
    {
        return "; installazione\n[Accesso]\nValore=" + value + "\n[Altro]\nA=1\n";
    }
    static void writeStoreFile(const QByteArray &content)
    {
        QFile file(PasswordStore::path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static void storePassword(const QString &password) { writeStoreFile(storeWith(ScrambleText(password).toLatin1())); }
    static QByteArray storeFile()
    {
        QFile file(PasswordStore::path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void showLogin()
    {
        Windows().password()->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(login()));
    }
    void typeInto(QWidget *window, const QString &box, const QString &text)
    {
        // One key per character, with its text: keyClicks only knows Latin-1.
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, Control(window, box), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(QWidget *window, const QString &button)
    {
        QTest::mouseClick(Control<QPushButton>(window, button), Qt::LeftButton);
    }
    void openChange()
    {
        showLogin();
        click(login(), u"btnCambiaPassword"_s);
        QVERIFY(change()->isVisible());
    }
    void expectOnlyNotice(const QString &text)
    {
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Notice);
        QCOMPARE(m_app->messages.lastText(), text);
    }
    // The login screen as the operator finds it on coming back: empty, OK disabled, focus in the box.
    void expectFreshLogin()
    {
        QVERIFY(login()->isVisible());
        QVERIFY(!change()->isVisible());
        QVERIFY(Control(login(), u"txtPassword"_s)->text().isEmpty());
        QVERIFY(Control<QLabel>(login(), u"lblMemory"_s)->text().isEmpty());
        QVERIFY(!Control<QPushButton>(login(), u"cmdOK"_s)->isEnabled());
        QCOMPARE(login()->focusWidget(), Control(login(), u"txtPassword"_s));
    }

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(8, 30))); }
    void cleanup() { m_app.reset(); }

    void loginLayout()
    {
        showLogin();
        QCOMPARE(login()->windowTitle(), u" Portavel - Autenticazione"_s);
        QLineEdit *box = Control(login(), u"txtPassword"_s);
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QCOMPARE(box->font().family(), u"Verdana"_s);
        QVERIFY(box->font().bold());
        QCOMPARE(login()->focusWidget(), box);
        QVERIFY(Control<QWidget>(login(), u"effPassword"_s)->isVisible());
        QVERIFY(!Control<QPushButton>(login(), u"cmdOK"_s)->isEnabled());
        QVERIFY(!Control<QLabel>(login(), u"lblMemory"_s)->isVisible());
        QCOMPARE(Control<QPushButton>(login(), u"btnCambiaPassword"_s)->text(), u"Cambia password"_s);
    }

    void okFollowsTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("blanks only") << u"   "_s << false;
        QTest::newRow("a letter") << u"a"_s << true;
        QTest::newRow("letter among blanks") << u"  a "_s << true;
    }
    void okFollowsTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        showLogin();
        QLineEdit *box = Control(login(), u"txtPassword"_s);
        auto *ok = Control<QPushButton>(login(), u"cmdOK"_s);
        typeInto(login(), u"txtPassword"_s, typed);
        QCOMPARE(ok->isEnabled(), enabled);
        for (qsizetype i = 0; i < typed.size(); ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(box->text().isEmpty());
        QVERIFY(!ok->isEnabled());
    }

    void loginAttempt_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lower case against capitals") << u"PORTAVEL"_s << u"portavel"_s << true;
        QTest::newRow("blanks around ignored") << u"PORTAVEL"_s << u"  PortaVel  "_s << true;
        QTest::newRow("one letter more") << u"PORTAVEL"_s << u"portavell"_s << false;
        QTest::newRow("blank inside counts") << u"PORTA VEL"_s << u"portavel"_s << false;
        QTest::newRow("accented letter as typed") << u"CAFFè"_s << u"caffè"_s << true;
        QTest::newRow("accented capital differs") << u"CAFFÈ"_s << u"caffè"_s << false;
    }
    void loginAttempt()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        storePassword(stored);
        showLogin();
        typeInto(login(), u"txtPassword"_s, typed);
        click(login(), u"cmdOK"_s);
        if (accepted) {
            QCOMPARE(m_app->messages.count(), 0);
            QVERIFY(avvio()->isVisible());
            QVERIFY(!login()->isVisible());
            return;
        }
        expectOnlyNotice(WrongPassword);
        QVERIFY(!avvio()->isVisible());
        QVERIFY(login()->isVisible());
        QVERIFY(Control(login(), u"txtPassword"_s)->text().isEmpty());
        QVERIFY(!Control<QPushButton>(login(), u"cmdOK"_s)->isEnabled());
        QCOMPARE(login()->focusWidget(), Control(login(), u"txtPassword"_s));
    }

    void enterInTheLoginBox()
    {
        storePassword(u"PORTAVEL"_s);
        showLogin();
        QLineEdit *box = Control(login(), u"txtPassword"_s);
        typeInto(login(), u"txtPassword"_s, u"  "_s);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(login()->isVisible());
        typeInto(login(), u"txtPassword"_s, u"portavel"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(avvio()->isVisible());
        QVERIFY(!login()->isVisible());
    }

    void storeProblemsAtLogin_data()
    {
        QTest::addColumn<QString>("store"); // "none", "folder" or the stored value
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("odd digit dropped") << u"4647B7D0664108B0F"_s << QString();
        QTest::newRow("lower-case digits") << u"4647b7d0664108b0"_s << QString();
        QTest::newRow("not hexadecimal") << u"4647B7ZZ664108B0"_s << ReadError;
        QTest::newRow("folder in place of the store") << u"folder"_s << ReadError;
        QTest::newRow("no store")
            << u"none"_s
            << u"Attenzione: il file delle password unins000.dll non si trova nella cartella degli archivi."_s;
        QTest::newRow("empty value") << QString() << WrongPassword;
    }
    void storeProblemsAtLogin()
    {
        QFETCH(QString, store);
        QFETCH(QString, message);
        if (store == u"folder"_s)
            QVERIFY(QDir(m_app->path()).mkdir(u"unins000.dll"_s));
        else if (store != u"none"_s)
            writeStoreFile(storeWith(store.toLatin1()));
        showLogin();
        typeInto(login(), u"txtPassword"_s, u"portavel"_s);
        click(login(), u"cmdOK"_s);
        if (message.isEmpty()) {
            QCOMPARE(m_app->messages.count(), 0);
            QVERIFY(avvio()->isVisible());
            return;
        }
        expectOnlyNotice(message);
        QVERIFY(login()->isVisible());
        // A store that cannot be read leaves the screen as it was; a wrong password empties the box.
        QCOMPARE(Control(login(), u"txtPassword"_s)->text(), message == WrongPassword ? QString() : u"portavel"_s);
    }

    void storeReadAtEveryOK()
    {
        storePassword(u"PORTAVEL"_s);
        showLogin();
        typeInto(login(), u"txtPassword"_s, u"nuova"_s);
        click(login(), u"cmdOK"_s);
        expectOnlyNotice(WrongPassword);
        storePassword(u"NUOVA"_s);
        typeInto(login(), u"txtPassword"_s, u"nuova"_s);
        click(login(), u"cmdOK"_s);
        QCOMPARE(m_app->messages.count(), 1);
        QVERIFY(avvio()->isVisible());
    }

    void esciEndsTheProgram()
    {
        showLogin();
        // quit() only acts on a running event loop: run one, and give up on it after a while.
        QTimer::singleShot(0, this, [this]() { click(login(), u"cmdEsci"_s); });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, []() { QCoreApplication::exit(99); });
        giveUp.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!login()->isVisible());
    }

    void changeScreenOpensEmpty()
    {
        openChange();
        QCOMPARE(change()->windowTitle(), u" Cambia password"_s);
        QVERIFY(!login()->isVisible());
        typeInto(change(), u"txtPasswordOld"_s, u"a"_s);
        typeInto(change(), u"txtPasswordNew"_s, u"b"_s);
        typeInto(change(), u"txtConferma"_s, u"c"_s);
        QCOMPARE(Control<QPushButton>(change(), u"cmdEsci"_s)->text(), u"Chiudi"_s);
        click(change(), u"cmdEsci"_s);
        QCOMPARE(m_app->messages.count(), 0);
        expectFreshLogin();

        click(login(), u"btnCambiaPassword"_s);
        for (const QString &name : { u"txtPasswordOld"_s, u"txtPasswordNew"_s, u"txtConferma"_s }) {
            QVERIFY(Control(change(), name)->text().isEmpty());
            QCOMPARE(Control(change(), name)->echoMode(), QLineEdit::Password);
        }
        QVERIFY(!Control<QPushButton>(change(), u"cmdOK"_s)->isEnabled());
        QCOMPARE(change()->focusWidget(), Control(change(), u"txtPasswordOld"_s));
    }

    void changeOkNeedsAllThree()
    {
        openChange();
        auto *ok = Control<QPushButton>(change(), u"cmdOK"_s);
        typeInto(change(), u"txtPasswordOld"_s, u"a"_s);
        typeInto(change(), u"txtPasswordNew"_s, u"b"_s);
        QVERIFY(!ok->isEnabled());
        typeInto(change(), u"txtConferma"_s, u"  "_s);
        QVERIFY(!ok->isEnabled());
        typeInto(change(), u"txtConferma"_s, u"c"_s);
        QVERIFY(ok->isEnabled());
        QTest::keyClick(Control(change(), u"txtPasswordOld"_s), Qt::Key_Backspace);
        QVERIFY(!ok->isEnabled());
    }

    void enterCyclesTheBoxes()
    {
        storePassword(u"PORTAVEL"_s);
        const QByteArray before = storeFile();
        openChange();
        typeInto(change(), u"txtPasswordOld"_s, u"portavel"_s);
        typeInto(change(), u"txtPasswordNew"_s, u"nuova"_s);
        typeInto(change(), u"txtConferma"_s, u"nuova"_s);
        QVERIFY(Control<QPushButton>(change(), u"cmdOK"_s)->isEnabled());
        const QStringList cycle { u"txtPasswordOld"_s, u"txtPasswordNew"_s, u"txtConferma"_s, u"txtPasswordOld"_s };
        for (qsizetype i = 0; i + 1 < cycle.size(); ++i) {
            Control(change(), cycle.at(i))->setFocus();
            QTest::keyClick(Control(change(), cycle.at(i)), Qt::Key_Return);
            QCOMPARE(change()->focusWidget(), Control(change(), cycle.at(i + 1)));
        }
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(change()->isVisible());
        QCOMPARE(storeFile(), before);
    }

    void changeFlow_data()
    {
        QTest::addColumn<QString>("oldTyped");
        QTest::addColumn<QString>("newTyped");
        QTest::addColumn<QString>("confirmTyped");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("emptied"); // refused: boxes emptied, the first one focused
        QTest::addColumn<QString>("stored"); // accepted: the password now in the store

        const QStringList oldBox { u"txtPasswordOld"_s };
        const QStringList newBoxes { u"txtPasswordNew"_s, u"txtConferma"_s };
        QTest::newRow("wrong old password")
            << u"portave"_s << u"nuova"_s << u"nuova"_s << WrongOld << oldBox << QString();
        QTest::newRow("confirmation differs")
            << u"portavel"_s << u"nuova"_s << u"nuovo"_s << NotConfirmed << newBoxes << QString();
        QTest::newRow("same word in another case")
            << u"portavel"_s << u"segreto"_s << u"SEGRETO"_s << NotConfirmed << newBoxes << QString();
        QTest::newRow("256 characters") << u"portavel"_s << QString(256, u'a') << QString(256, u'a') << NotStorable
                                        << newBoxes << QString();
        QTest::newRow("character above 255")
            << u"portavel"_s << u"pass€"_s << u"pass€"_s << NotStorable << newBoxes << QString();
        QTest::newRow("changed, blanks around ignored")
            << u" PortaVel "_s << u"  segreto"_s << u"segreto  "_s << Changed << QStringList() << u"SEGRETO"_s;
        QTest::newRow("255 characters") << u"portavel"_s << QString(255, u'z') << QString(255, u'z') << Changed
                                        << QStringList() << QString(255, u'Z');
        QTest::newRow("latin-1 letters") << u"portavel"_s << u"caffè"_s << u"caffè"_s << Changed << QStringList()
                                         << u"CAFFè"_s;
    }
    void changeFlow()
    {
        QFETCH(QString, oldTyped);
        QFETCH(QString, newTyped);
        QFETCH(QString, confirmTyped);
        QFETCH(QString, message);
        QFETCH(QStringList, emptied);
        QFETCH(QString, stored);

        storePassword(u"PORTAVEL"_s);
        const QByteArray before = storeFile();
        showLogin();
        typeInto(login(), u"txtPassword"_s, u"qualcosa"_s);
        click(login(), u"btnCambiaPassword"_s);
        const QList<std::pair<QString, QString>> typed { { u"txtPasswordOld"_s, oldTyped },
            { u"txtPasswordNew"_s, newTyped }, { u"txtConferma"_s, confirmTyped } };
        for (const auto &[box, text] : typed)
            typeInto(change(), box, text);
        click(change(), u"cmdOK"_s);
        expectOnlyNotice(message);

        if (!stored.isEmpty()) {
            QCOMPARE(PasswordStore::readValue(), ScrambleText(stored));
            QCOMPARE(PasswordStore::readPassword(), stored);
            QVERIFY(storeFile().startsWith("; installazione\n[Accesso]\n"));
            QVERIFY(storeFile().endsWith("\n[Altro]\nA=1\n"));
            // A change does not log in: the new password must be typed on the login screen.
            QVERIFY(!avvio()->isVisible());
            expectFreshLogin();
            return;
        }
        QCOMPARE(storeFile(), before);
        QVERIFY(change()->isVisible());
        QVERIFY(!login()->isVisible());
        for (const auto &[box, text] : typed)
            QCOMPARE(Control(change(), box)->text(), emptied.contains(box) ? QString() : text);
        QCOMPARE(change()->focusWidget(), Control(change(), emptied.first()));
        QVERIFY(!Control<QPushButton>(change(), u"cmdOK"_s)->isEnabled());
    }

    void changeWithAFaultyStore_data()
    {
        QTest::addColumn<bool>("writeFails");
        QTest::newRow("not hexadecimal") << false;
        QTest::newRow("write fails") << true;
    }
    void changeWithAFaultyStore()
    {
        QFETCH(bool, writeFails);
        if (writeFails)
            storePassword(u"PORTAVEL"_s);
        else
            writeStoreFile(storeWith("4647B7ZZ"));
        const QByteArray before = storeFile();
        openChange();
        typeInto(change(), u"txtPasswordOld"_s, u"portavel"_s);
        typeInto(change(), u"txtPasswordNew"_s, u"nuova"_s);
        typeInto(change(), u"txtConferma"_s, u"nuova"_s);
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (writeFails)
                limit = std::make_unique<FileSizeLimit>(4);
            click(change(), u"cmdOK"_s);
        }
        expectOnlyNotice(ChangeError);
        QCOMPARE(storeFile(), before);
        QVERIFY(change()->isVisible());
        QCOMPARE(QDir(m_app->path()).entryList(QDir::Files), QStringList { u"unins000.dll"_s });
    }

    void newPasswordWorksAtLogin()
    {
        storePassword(u"PORTAVEL"_s);
        openChange();
        typeInto(change(), u"txtPasswordOld"_s, u"portavel"_s);
        typeInto(change(), u"txtPasswordNew"_s, u"Segreto"_s);
        typeInto(change(), u"txtConferma"_s, u"Segreto"_s);
        click(change(), u"cmdOK"_s);
        typeInto(login(), u"txtPassword"_s, u"portavel"_s);
        click(login(), u"cmdOK"_s);
        QCOMPARE(m_app->messages.lastText(), WrongPassword);
        typeInto(login(), u"txtPassword"_s, u"segreto"_s);
        click(login(), u"cmdOK"_s);
        QVERIFY(avvio()->isVisible());
    }
};

QTEST_MAIN(TestPasswordScreens)
#include "TestPasswordScreens.moc"
