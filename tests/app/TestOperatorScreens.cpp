#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Operatori.h"
#include "app/Password.h"
#include "base/Crypt.h"
#include "base/PasswordStore.h"
#include "base/Session.h"
#include "clients/Anagrafica.h"
#include "storage/ActivityLog.h"
#include "storage/OperatorStore.h"
#include "visits/Registro.h"
#include "visits/StampaEmergenza.h"
#include "widgets/ClickableImage.h"
#include "widgets/HintLine.h"
#include "widgets/ListBox.h"

#include "AppFixture.h"
#include "TestHelpers.h"
#include "TestPrinting.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString WrongLogin = u"Attenzione: operatore o password errati."_s;
const QString TooMany = u"Attenzione: troppi tentativi errati. Riprovare tra 60 secondi."_s;
const QString Reserved = u"Funzione riservata agli amministratori."_s;
const QDateTime Start(QDate(2026, 3, 7), QTime(8, 30));

} // namespace

class TestOperatorScreens : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    static QWidget *login() { return Windows().password(); }
    static QWidget *avvio() { return Windows().avvio(); }
    static void addOperators()
    {
        QCOMPARE(OperatorStore::add(u"Anna Rossi"_s, u"segreta123"_s, u"segreta123"_s, OperatorRole::Amministratore),
            OperatorRefusal::None);
        QCOMPARE(OperatorStore::add(u"Bruno"_s, u"bruno12345"_s, u"bruno12345"_s, OperatorRole::Operatore),
            OperatorRefusal::None);
        QCOMPARE(OperatorStore::add(u"Carla"_s, u"carla12345"_s, u"carla12345"_s, OperatorRole::Operatore),
            OperatorRefusal::None);
        bool active = true;
        QCOMPARE(OperatorStore::toggleActive(u"Carla"_s, &active), OperatorRefusal::None);
        QVERIFY(!active);
    }
    void showLogin()
    {
        Windows().password()->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(login()));
    }
    void logIn(const QString &name, const QString &password)
    {
        TypeInto(login(), u"txtOperatore"_s, name);
        TypeInto(login(), u"txtPassword"_s, password);
        ClickControl(login(), u"cmdOK"_s);
    }
    void expectRefused(const QString &text)
    {
        QCOMPARE(m_app->messages.lastText(), text);
        QVERIFY(login()->isVisible());
        QVERIFY(!avvio()->isVisible());
        QVERIFY(Control(login(), u"txtPassword"_s)->text().isEmpty());
        QCOMPARE(login()->focusWidget(), Control(login(), u"txtPassword"_s));
    }
    // The day's copy ends behind the start menu and goes into the register: wait for it, so that
    // the lines after it come in the order the test makes them.
    static void waitForDayCopy(const QString &operatorName)
    {
        QTRY_VERIFY(RegisterEvents().contains(operatorName + u" copia_sicurezza 2026-03-07"_s));
    }

private Q_SLOTS:
    void init() { m_app.emplace(Start); }
    void cleanup() { m_app.reset(); }

    // An office that never made an operator logs in as it always did: no name box, the same size,
    // no way to change operator; the register names nobody.
    void withoutOperators()
    {
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        showLogin();
        QVERIFY(Control(login(), u"txtOperatore"_s)->isHidden());
        QCOMPARE(login()->size(), QSize(440, 280));
        TypeInto(login(), u"txtPassword"_s, u"portavel"_s);
        ClickControl(login(), u"cmdOK"_s);
        QVERIFY(avvio()->isVisible());
        QVERIFY(Control<ClickableImage>(avvio(), u"imgCambiaOperatore"_s)->isHidden());
        QVERIFY(Control<ClickableImage>(avvio(), u"imgOperatori"_s)->isEnabled());
        QCOMPARE(m_app->messages.count(), 0);
        waitForDayCopy(u"-"_s);
        QCOMPARE(RegisterEvents(), (QStringList { u"- accesso"_s, u"- copia_sicurezza 2026-03-07"_s }));
    }

    void operatorChecks_data()
    {
        QTest::addColumn<bool>("others");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString pw = u"Lunga1234"_s;
        QTest::newRow("blank name") << true << u"   "_s << pw << pw << 0
                                    << u"Attenzione: indicare il nome dell'operatore."_s << u"txtNome"_s;
        QTest::newRow("name present in another case")
            << true << u" bruno "_s << pw << pw << 0 << u"Attenzione: esiste già un operatore con questo nome."_s
            << u"txtNome"_s;
        QTest::newRow("short password") << true << u"Dario"_s << u"corta12"_s << u"corta12"_s << 0
                                        << u"Attenzione: la password deve contenere almeno 8 caratteri."_s
                                        << u"txtPassword"_s;
        QTest::newRow("confirmation in another case")
            << true << u"Dario"_s << pw << u"lunga1234"_s << 0
            << u"Attenzione: la password e la conferma non coincidono."_s << u"txtConferma"_s;
        QTest::newRow("first operator not an administrator")
            << false << u"Dario"_s << pw << pw << 1
            << u"Attenzione: il primo operatore deve essere un amministratore."_s << u"cboRuolo"_s;
        QTest::newRow("added") << true << u"Dario"_s << pw << pw << 1 << u"Operatore aggiunto."_s << QString();
    }
    void operatorChecks()
    {
        QFETCH(bool, others);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(int, role);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        if (others)
            addOperators();
        const qsizetype before = others ? 3 : 0;

        TfrmOperatori dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        TypeInto(&dlg, u"txtNome"_s, name);
        TypeInto(&dlg, u"txtPassword"_s, password);
        TypeInto(&dlg, u"txtConferma"_s, confirmation);
        Control<QComboBox>(&dlg, u"cboRuolo"_s)->setCurrentIndex(role);
        ClickControl(&dlg, u"btnAggiungi"_s);

        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastText(), message);
        const QList<Operator> stored = OperatorStore::read();
        if (focus.isEmpty()) {
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
            QCOMPARE(stored.size(), before + 1);
            QCOMPARE(stored.last().role, OperatorRole::Operatore);
            QCOMPARE(
                Control<ListBox>(&dlg, u"lstOperatori"_s)->lines().last().simplified(), u"Dario Operatore attivo"_s);
            for (const QString &box : { u"txtNome"_s, u"txtPassword"_s, u"txtConferma"_s })
                QVERIFY(Control(&dlg, box)->text().isEmpty());
        } else {
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Warning);
            QCOMPARE(stored.size(), before);
            QCOMPARE(dlg.focusWidget()->objectName(), focus);
        }
    }

    // Neither a demotion nor a deactivation may leave the office without an active administrator;
    // a new password works at once.
    void lastAdministratorAndNewPassword()
    {
        addOperators();
        TfrmOperatori dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *list = Control<ListBox>(&dlg, u"lstOperatori"_s);
        QVERIFY(list->lines().at(2).contains(u"disattivato"_s));
        list->selectRow(0);
        for (const QString &button : { u"btnDisattiva"_s, u"btnCambiaRuolo"_s }) {
            ClickControl(&dlg, button);
            QCOMPARE(m_app->messages.lastText(), u"Attenzione: deve restare almeno un amministratore attivo."_s);
        }
        QCOMPARE(OperatorStore::read().first().role, OperatorRole::Amministratore);
        QVERIFY(OperatorStore::read().first().active);

        TypeInto(&dlg, u"txtPassword"_s, u"nuovissima1"_s);
        TypeInto(&dlg, u"txtConferma"_s, u"nuovissima1"_s);
        ClickControl(&dlg, u"btnNuovaPassword"_s);
        QCOMPARE(m_app->messages.lastText(), u"Password modificata."_s);
        QVERIFY(OperatorStore::verify(u"anna rossi"_s, u"nuovissima1"_s));
        QVERIFY(!OperatorStore::verify(u"anna rossi"_s, u"segreta123"_s));

        // A second administrator: now the first may step down.
        list->selectRow(1);
        ClickControl(&dlg, u"btnCambiaRuolo"_s);
        list->selectRow(0);
        ClickControl(&dlg, u"btnDisattiva"_s);
        QVERIFY(!OperatorStore::read().first().active);
        QVERIFY(list->lines().at(1).contains(u"Amministratore"_s));
        QVERIFY(list->lines().at(0).contains(u"disattivato"_s));
    }

    // A name in any case logs in; a wrong name, an inactive operator and a wrong password give the
    // same notice; the shared password opens nothing once operators exist.
    void loginByName()
    {
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        addOperators();
        showLogin();
        QVERIFY(Control(login(), u"txtOperatore"_s)->isVisible());
        QVERIFY(!Control<QPushButton>(login(), u"cmdOK"_s)->isEnabled());
        TypeInto(login(), u"txtPassword"_s, u"portavel"_s);
        QVERIFY2(!Control<QPushButton>(login(), u"cmdOK"_s)->isEnabled(), "OK needs the operator's name too");

        const QList<std::pair<QString, QString>> refused = { { u"Nessuno"_s, u"segreta123"_s },
            { u"Carla"_s, u"carla12345"_s }, { u"Anna Rossi"_s, u"Segreta123"_s }, { u"Anna Rossi"_s, u"portavel"_s } };
        for (const auto &[name, password] : refused) {
            logIn(name, password);
            expectRefused(WrongLogin);
        }
        logIn(u"  anna ROSSI "_s, u"segreta123"_s);
        QVERIFY(avvio()->isVisible());
        waitForDayCopy(u"Anna Rossi"_s);
        QCOMPARE(Session::operatorName(), u"Anna Rossi"_s);
        QVERIFY(Control<ClickableImage>(avvio(), u"imgCambiaOperatore"_s)->isVisible());
        QCOMPARE(RegisterEvents().mid(0, 5),
            (QStringList { u"- accesso_negato Nessuno"_s, u"- accesso_negato Carla"_s, u"- accesso_negato Anna Rossi"_s,
                u"- accesso_negato Anna Rossi"_s, u"Anna Rossi accesso"_s }));

        // Changing operator leaves nothing typed and nobody logged in.
        ClickControl(avvio(), u"imgCambiaOperatore"_s);
        QVERIFY(login()->isVisible());
        QVERIFY(Control(login(), u"txtOperatore"_s)->text().isEmpty());
        QVERIFY(Control(login(), u"txtPassword"_s)->text().isEmpty());
        QVERIFY(!Session::hasOperator());
        QCOMPARE(RegisterEvents().last(), u"Anna Rossi cambio_operatore"_s);
        logIn(u"bruno"_s, u"bruno12345"_s);
        QCOMPARE(Session::operatorName(), u"Bruno"_s);
    }

    // Five wrong passwords lock the name for a minute, even against the right one.
    void lockout()
    {
        addOperators();
        showLogin();
        for (int i = 0; i < 5; ++i) {
            logIn(u"Bruno"_s, u"sbagliata%1"_s.arg(i));
            expectRefused(WrongLogin);
        }
        Clock::setFixed(Start.addSecs(59));
        logIn(u"BRUNO"_s, u"bruno12345"_s);
        expectRefused(TooMany);
        // Another name is not locked.
        logIn(u"Anna Rossi"_s, u"segreta123"_s);
        QVERIFY(avvio()->isVisible());
        ClickControl(avvio(), u"imgCambiaOperatore"_s);
        Clock::setFixed(Start.addSecs(60));
        logIn(u"Bruno"_s, u"bruno12345"_s);
        QVERIFY(avvio()->isVisible());
    }

    // "Cambia password" changes the password of the operator named on the login screen.
    void changeNamedOperatorsPassword()
    {
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        addOperators();
        showLogin();
        TypeInto(login(), u"txtOperatore"_s, u"BRUNO"_s);
        ClickControl(login(), u"btnCambiaPassword"_s);
        QWidget *change = Windows().cambiaPassword();
        QVERIFY(change->isVisible());
        const auto attempt = [&](const QString &old, const QString &fresh, const QString &confirmation) {
            TypeInto(change, u"txtPasswordOld"_s, old);
            TypeInto(change, u"txtPasswordNew"_s, fresh);
            TypeInto(change, u"txtConferma"_s, confirmation);
            ClickControl(change, u"cmdOK"_s);
        };
        attempt(u"portavel"_s, u"nuovapass1"_s, u"nuovapass1"_s);
        QCOMPARE(m_app->messages.lastText(), u"Attenzione: vecchia password errata."_s);
        attempt(u"bruno12345"_s, u"corta"_s, u"corta"_s);
        QCOMPARE(m_app->messages.lastText(), u"Attenzione: la password deve contenere almeno 8 caratteri."_s);
        attempt(u"bruno12345"_s, u"nuovapass1"_s, u"nuovapass1"_s);
        QCOMPARE(m_app->messages.lastText(), u"Modifica della password completata con successo."_s);
        QVERIFY(login()->isVisible());
        QVERIFY(OperatorStore::verify(u"Bruno"_s, u"nuovapass1"_s));
        QVERIFY(!OperatorStore::verify(u"Bruno"_s, u"bruno12345"_s));
        // The shared store is not the operators' and stays as it was.
        QCOMPARE(PasswordStore::readPassword(), PasswordText(u"portavel"_s));
        QCOMPARE(RegisterEvents().last(), u"- cambio_password Bruno"_s);
    }

    // An "Operatore" finds the administrators' functions closed, with a hint that says why.
    void rolesCloseFunctions()
    {
        addOperators();
        for (const bool administrator : { false, true }) {
            showLogin();
            logIn(administrator ? u"Anna Rossi"_s : u"Bruno"_s, administrator ? u"segreta123"_s : u"bruno12345"_s);
            QVERIFY(avvio()->isVisible());
            auto *operatori = Control<ClickableImage>(avvio(), u"imgOperatori"_s);
            QCOMPARE(operatori->isEnabled(), administrator);
            QCOMPARE(
                operatori->toolTip(), administrator ? u"Gestione degli operatori e dei loro permessi."_s : Reserved);

            TfrmRegistro *reg = Windows().registro();
            reg->setYearFile(m_app->file(u"2026.vis"_s));
            reg->showScreen();
            auto *excel = Control<QPushButton>(reg, u"btnExcel"_s);
            QCOMPARE(excel->isEnabled(), administrator);
            QCOMPARE(reg->findChild<HintLine *>()->hint(excel),
                administrator ? u"Esporta le schede in archivio in un file di Microsoft Excel."_s : Reserved);
            reg->hide();

            TfrmAnagrafica *ana = Windows().anagrafica();
            ana->showScreen();
            auto *esporta = Control<ClickableImage>(ana, u"cmdEsporta"_s);
            QCOMPARE(esporta->isEnabled(), administrator);
            QCOMPARE(ana->findChild<HintLine *>()->hint(esporta),
                administrator ? u"Esporta le schede in archivio in un file di Microsoft Excel."_s : Reserved);
            ana->hide();
            ClickControl(avvio(), u"imgCambiaOperatore"_s);
        }
    }

    // The logged-in operator's name on a new card and on the exit, both still editable; the save
    // goes into the register under that name.
    void operatorOnTheCard()
    {
        addOperators();
        showLogin();
        logIn(u"bruno"_s, u"bruno12345"_s);
        waitForDayCopy(u"Bruno"_s);
        TfrmRegistro *reg = Windows().registro();
        reg->setYearFile(m_app->file(u"2026.vis"_s));
        reg->showScreen();
        QCOMPARE(Control(reg, u"txtOperatoreEnt"_s)->text(), u"Bruno"_s);
        QVERIFY(!Control(reg, u"txtOperatoreEnt"_s)->isReadOnly());
        ClickControl(reg, u"impDataUsc"_s);
        QCOMPARE(Control(reg, u"txtOperatoreUsc"_s)->text(), u"Bruno"_s);
        TypeInto(reg, u"txtOperatoreUsc"_s, u"Portiere"_s);
        ClickControl(reg, u"impDataUsc"_s);
        QCOMPARE(Control(reg, u"txtOperatoreUsc"_s)->text(), u"Portiere"_s);

        TypeInto(reg, u"txtCognome"_s, u"Verdi"_s);
        TypeInto(reg, u"txtNome"_s, u"Luca"_s);
        ClickControl(reg, u"impOraUscita"_s);
        ClickControl(reg, u"btnSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(RegisterEvents().last(), u"Bruno salvataggio_visita 2026.vis 1 nuova"_s);
        ClickControl(reg, u"btnSalva"_s);
        QCOMPARE(RegisterEvents().last(), u"Bruno salvataggio_visita 2026.vis 1 modifica"_s);

        // The receipt and the roll-call, once printed, under the same name.
        const PdfPrinting printing(m_app->file(u"stampa.pdf"_s));
        QTimer::singleShot(0, this, [] {
            if (QWidget *receipt = QApplication::activeModalWidget())
                ClickControl(receipt, u"btnStampa"_s);
        });
        ClickControl(reg, u"btnStampa"_s);
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(RegisterEvents().last(), u"Bruno stampa ricevuta 2026.vis 1"_s);
        PrintEmergencyList(reg);
        QCOMPARE(RegisterEvents().last(), u"Bruno emergenza 0"_s);

        const ActivityLog::Check check = ActivityLog::verify(ActivityLog::path());
        QVERIFY(check.intact);
        QCOMPARE(check.lines, 6);
    }

    // A register that cannot be written never stops a save; with operators it is said once a run.
    void registerFailureWarnsOnce()
    {
        addOperators();
        QVERIFY(QDir().mkdir(ActivityLog::path()));
        showLogin();
        logIn(u"bruno"_s, u"bruno12345"_s);
        QVERIFY(avvio()->isVisible());
        const QString warning = u"Attenzione: non è stato possibile scrivere nel registro delle attività."_s;
        QCOMPARE(m_app->messages.lastText(), warning);
        TfrmRegistro *reg = Windows().registro();
        reg->setYearFile(m_app->file(u"2026.vis"_s));
        reg->showScreen();
        TypeInto(reg, u"txtCognome"_s, u"Verdi"_s);
        TypeInto(reg, u"txtNome"_s, u"Luca"_s);
        const qsizetype before = m_app->messages.count();
        ClickControl(reg, u"btnSalva"_s);
        QCOMPARE(m_app->messages.count(), before + 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(QFileInfo(m_app->file(u"2026.vis"_s)).size(), qint64(TSchedaVisita::RecordSize));
    }
};

QTEST_MAIN(TestOperatorScreens)
#include "TestOperatorScreens.moc"
