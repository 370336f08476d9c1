#include "TestHelpers.h"

#include "base/Clock.h"
#include "base/LoginAttempts.h"
#include "storage/OperatorStore.h"
#include "storage/StorageError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(OperatorRefusal)
Q_DECLARE_METATYPE(OperatorRole)

char *toString(OperatorRefusal refusal)
{
    static const char *const names[] = { "None", "BlankName", "NameTaken", "ShortPassword", "ConfirmationDiffers",
        "FirstNotAdministrator", "NoActiveAdministrator", "UnknownOperator" };
    return qstrdup(names[int(refusal)]);
}

namespace {

const char ChildSwitch[] = "--add-child";
constexpr int OwnOperatorsPerDesk = 3;

// Made by libsodium's crypto_pwhash_str from KnownPassword: stores written by hand use it, so only
// the tests about making hashes pay for one, and a hash written by an earlier build must still let
// its operator in.
const QByteArray KnownHash
    = "$argon2id$v=19$m=65536,t=2,p=1$CYTuiq/Hg748zXRAZCXrOw$8ze34/edmRJlJC+t/zHob8pR5W/EiU/Lk5TgaxeQZCg";
const QString KnownPassword = u"Cancello-Nord-7"_s;

QByteArray section(int number, const QByteArray &name, const QByteArray &role, bool active)
{
    return "[Operatore" + QByteArray::number(number) + "]\nNome=" + name + "\nRuolo=" + role
        + "\nAttivo=" + (active ? "1" : "0") + "\nPassword=" + KnownHash + "\n\n";
}

const QByteArray OneAdministrator = section(1, "Mario Rossi", "Amministratore", true);

void writeStore(const QByteArray &bytes)
{
    QFile file(OperatorStore::path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The store's bytes; nothing when there is no file.
std::optional<QByteArray> storeBytes()
{
    QFile file(OperatorStore::path());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QStringList namesOf(const QList<Operator> &operators)
{
    QStringList names;
    for (const Operator &op : operators)
        names << op.name;
    return names;
}

// One desk adding operators while another does: at each go from the test one operator, the
// shared name first, then its own ones, answering with the refusal. Both desks get each go at
// once, so their adds overlap every time.
int addAsChild(const QString &folder, const QString &desk)
{
    SetProgramFolder(folder);
    try {
        for (int i = 0; i <= OwnOperatorsPerDesk; ++i) {
            std::printf("ready\n");
            std::fflush(stdout);
            char go[8];
            if (!std::fgets(go, sizeof go, stdin))
                return 2;
            const QString name = i == 0 ? u"Condiviso"_s : desk + u' ' + QString::number(i);
            std::printf(
                "%d\n", int(OperatorStore::add(name, KnownPassword, KnownPassword, OperatorRole::Amministratore)));
        }
    } catch (const StorageError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

class TestOperators : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        LoginAttempts::clear();
    }

    void cleanup()
    {
        m_folder.reset();
        Clock::reset();
    }

    void add_data()
    {
        QTest::addColumn<QByteArray>("before"); // a null text: no file
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<OperatorRole>("role");
        QTest::addColumn<OperatorRefusal>("expected");

        const auto admin = OperatorRole::Amministratore;
        const auto plain = OperatorRole::Operatore;
        QTest::newRow("blank name before all else")
            << OneAdministrator << u" \t "_s << u"abc"_s << u"x"_s << plain << OperatorRefusal::BlankName;
        QTest::newRow("name taken, other case and blanks")
            << OneAdministrator << u"  mario ROSSI "_s << u"abc"_s << u"x"_s << admin << OperatorRefusal::NameTaken;
        QTest::newRow("7 characters once blanks are left out")
            << OneAdministrator << u"Anna Bianchi"_s << u"  abc4567  "_s << u"  abc4567  "_s << plain
            << OperatorRefusal::ShortPassword;
        QTest::newRow("confirmation with a blank more")
            << OneAdministrator << u"Anna Bianchi"_s << u"Cancello-Sud-9"_s << u"Cancello-Sud-9 "_s << plain
            << OperatorRefusal::ConfirmationDiffers;
        QTest::newRow("confirmation checked before the first role")
            << QByteArray() << u"Anna Bianchi"_s << u"Cancello-Sud-9"_s << u"cancello-sud-9"_s << plain
            << OperatorRefusal::ConfirmationDiffers;
        QTest::newRow("first operator not an administrator")
            << QByteArray() << u"Anna Bianchi"_s << u"Cancello-Sud-9"_s << u"Cancello-Sud-9"_s << plain
            << OperatorRefusal::FirstNotAdministrator;
        QTest::newRow("first operator, an administrator")
            << QByteArray() << u"  Anna Bianchi  "_s << u"Cancello-Sud-9"_s << u"Cancello-Sud-9"_s << admin
            << OperatorRefusal::None;
        QTest::newRow("8 characters between blanks, kept as typed")
            << OneAdministrator << u"Luca Verdi"_s << u" otto car "_s << u" otto car "_s << plain
            << OperatorRefusal::None;
    }

    void add()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(OperatorRole, role);
        QFETCH(OperatorRefusal, expected);
        if (!before.isNull())
            writeStore(before);
        const QList<Operator> operatorsBefore = OperatorStore::read();

        QCOMPARE(OperatorStore::add(name, password, confirmation, role), expected);

        QVERIFY(!QFileInfo::exists(OperatorStore::path() + u".lock"_s));
        const QList<Operator> after = OperatorStore::read();
        if (expected != OperatorRefusal::None) {
            QCOMPARE(storeBytes(), before.isNull() ? std::nullopt : std::optional(before));
            return;
        }
        QCOMPARE(namesOf(after), namesOf(operatorsBefore) << name.trimmed());
        const Operator added = after.last();
        QCOMPARE(added.role, role);
        QVERIFY(added.active);
        QVERIFY(added.hash.startsWith("$argon2id$"));
        const std::optional<Operator> loggedIn = OperatorStore::verify(name, password);
        QVERIFY(loggedIn);
        QCOMPARE(loggedIn->name, name.trimmed());
        if (password != password.trimmed())
            QVERIFY(!OperatorStore::verify(name, password.trimmed()));
    }

    // A short password is refused only once the name is found, so each row tells whether it was.
    void namesCompareTrimmedIgnoringCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        QTest::newRow("as stored") << u"Élodie Dupont"_s << true;
        QTest::newRow("blanks around") << u"  Élodie Dupont\t"_s << true;
        QTest::newRow("other case, accented letter too") << u"éLODIE dUPONT"_s << true;
        QTest::newRow("first word only") << u"Élodie"_s << false;
        QTest::newRow("blank inside doubled") << u"Élodie  Dupont"_s << false;
        QTest::newRow("empty") << QString() << false;
    }

    void namesCompareTrimmedIgnoringCase()
    {
        QFETCH(QString, typed);
        QFETCH(bool, found);
        writeStore(OneAdministrator + section(2, "Élodie Dupont", "Operatore", true));
        QCOMPARE(OperatorStore::setPassword(typed, u"abc"_s, u"abc"_s),
            found ? OperatorRefusal::ShortPassword : OperatorRefusal::UnknownOperator);
        QCOMPARE(OperatorStore::add(typed, KnownPassword, KnownPassword, OperatorRole::Operatore),
            found ? OperatorRefusal::NameTaken
                  : (typed.isEmpty() ? OperatorRefusal::BlankName : OperatorRefusal::None));
    }

    void verify_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("admitted");
        QTest::newRow("right password, name in any case") << u" mario ROSSI "_s << KnownPassword << true;
        QTest::newRow("wrong password") << u"Mario Rossi"_s << u"Cancello-Nord-8"_s << false;
        QTest::newRow("password with a blank more") << u"Mario Rossi"_s << (KnownPassword + u' ') << false;
        QTest::newRow("unknown name") << u"Luca Verdi"_s << KnownPassword << false;
        QTest::newRow("inactive operator") << u"Anna Bianchi"_s << KnownPassword << false;
    }

    void verify()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, admitted);
        writeStore(OneAdministrator + section(2, "Anna Bianchi", "Operatore", false));
        const std::optional<Operator> op = OperatorStore::verify(name, password);
        QCOMPARE(op.has_value(), admitted);
        if (op) {
            QCOMPARE(op->name, u"Mario Rossi"_s);
            QCOMPARE(op->role, OperatorRole::Amministratore);
        }
    }

    void lastActiveAdministratorStays()
    {
        writeStore(OneAdministrator + section(2, "Anna Bianchi", "Amministratore", false)
            + section(3, "Luca Verdi", "Operatore", true));
        const QByteArray before = *storeBytes();
        QCOMPARE(OperatorStore::changeRole(u"mario rossi"_s), OperatorRefusal::NoActiveAdministrator);
        bool nowActive = true;
        QCOMPARE(OperatorStore::toggleActive(u"Mario Rossi"_s, &nowActive), OperatorRefusal::NoActiveAdministrator);
        QCOMPARE(OperatorStore::changeRole(u"Nessuno"_s), OperatorRefusal::UnknownOperator);
        QCOMPARE(OperatorStore::toggleActive(u"Nessuno"_s), OperatorRefusal::UnknownOperator);
        QCOMPARE(storeBytes(), std::optional(before));

        // An inactive administrator is no help until reactivated.
        QCOMPARE(OperatorStore::changeRole(u"Anna Bianchi"_s), OperatorRefusal::None);
        QCOMPARE(OperatorStore::toggleActive(u"Mario Rossi"_s), OperatorRefusal::NoActiveAdministrator);
        QCOMPARE(OperatorStore::changeRole(u"Anna Bianchi"_s), OperatorRefusal::None);
        QCOMPARE(OperatorStore::toggleActive(u"anna bianchi"_s, &nowActive), OperatorRefusal::None);
        QVERIFY(nowActive);
        QCOMPARE(OperatorStore::toggleActive(u"Mario Rossi"_s, &nowActive), OperatorRefusal::None);
        QVERIFY(!nowActive);
        QCOMPARE(OperatorStore::changeRole(u"Anna Bianchi"_s), OperatorRefusal::NoActiveAdministrator);
        QCOMPARE(OperatorStore::changeRole(u"Luca Verdi"_s), OperatorRefusal::None);
        QCOMPARE(OperatorStore::changeRole(u"Anna Bianchi"_s), OperatorRefusal::None);

        const QList<Operator> after = OperatorStore::read();
        QCOMPARE(namesOf(after), QStringList({ u"Mario Rossi"_s, u"Anna Bianchi"_s, u"Luca Verdi"_s }));
        QCOMPARE(after.at(0).role, OperatorRole::Amministratore);
        QVERIFY(!after.at(0).active);
        QCOMPARE(after.at(1).role, OperatorRole::Operatore);
        QVERIFY(after.at(1).active);
        QCOMPARE(after.at(2).role, OperatorRole::Amministratore);
        QVERIFY(after.at(2).active);
        for (const Operator &op : after)
            QCOMPARE(op.hash, KnownHash);
    }

    void storeHoldsOnlyHashes()
    {
        const QStringList passwords = { u"Primo-Segreto-1"_s, u"Secondo-Segreto-2"_s, u"Terzo-Segreto-3"_s };
        QCOMPARE(OperatorStore::add(u"Mario Rossi"_s, passwords[0], passwords[0], OperatorRole::Amministratore),
            OperatorRefusal::None);
        QCOMPARE(OperatorStore::add(u"Anna Bianchi"_s, passwords[1], passwords[1], OperatorRole::Operatore),
            OperatorRefusal::None);
        QCOMPARE(OperatorStore::setPassword(u" anna BIANCHI"_s, passwords[2], passwords[2]), OperatorRefusal::None);

        const QByteArray bytes = *storeBytes();
        for (const QString &password : passwords) {
            const QByteArray typed = password.toUtf8();
            for (const QByteArray &form : { typed, typed.toHex(), typed.toBase64(), typed.toBase64().replace('=', "") })
                QVERIFY2(!bytes.contains(form), form.constData());
        }
        QCOMPARE(bytes,
            "[Operatore1]\nNome=Mario Rossi\nRuolo=Amministratore\nAttivo=1\nPassword=" + OperatorStore::read()[0].hash
                + "\n\n[Operatore2]\nNome=Anna Bianchi\nRuolo=Operatore\nAttivo=1\nPassword="
                + OperatorStore::read()[1].hash + '\n');
        for (const Operator &op : OperatorStore::read())
            QVERIFY2(op.hash.startsWith("$argon2id$"), op.hash.constData());
        QVERIFY(!OperatorStore::verify(u"Anna Bianchi"_s, passwords[1]));
        QVERIFY(OperatorStore::verify(u"Anna Bianchi"_s, passwords[2]));
    }

    void setPasswordRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<OperatorRefusal>("expected");
        QTest::newRow("unknown before all else")
            << u"Luca Verdi"_s << u"abc"_s << u"x"_s << OperatorRefusal::UnknownOperator;
        QTest::newRow("short once blanks are left out")
            << u"Mario Rossi"_s << u"\tabc4567 "_s << u"\tabc4567 "_s << OperatorRefusal::ShortPassword;
        QTest::newRow("confirmation differs")
            << u"Mario Rossi"_s << u"Cancello-Sud-9"_s << u"Cancello-Sud-0"_s << OperatorRefusal::ConfirmationDiffers;
    }

    void setPasswordRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(OperatorRefusal, expected);
        writeStore(OneAdministrator);
        QCOMPARE(OperatorStore::setPassword(name, password, confirmation), expected);
        QCOMPARE(storeBytes(), std::optional(OneAdministrator));
    }

    void readingSkipsWhatCannotBeUsed()
    {
        QVERIFY(!OperatorStore::configured());
        QVERIFY(OperatorStore::read().isEmpty());

        const QByteArray hash = KnownHash;
        writeStore("\xEF\xBB\xBF; scritto a mano\r\n"
                   "[Impostazioni]\r\nNome=Fuori sezione\r\nPassword="
            + hash
            + "\r\n"
              "[Operatore1]\r\n  nome = Mario Rossi \r\nRUOLO=amministratore\r\nColore=blu\r\nPassword="
            + hash
            + "\r\n"
              "[Operatore2]\r\nRuolo=Amministratore\r\nPassword="
            + hash
            + "\r\n"
              "[Operatore3]\r\nNome=Senza digest\r\nRuolo=Amministratore\r\nPassword="
            + hash.left(hash.lastIndexOf('$'))
            + "\r\n"
              "[Operatore7]\r\nNome=In chiaro\r\nRuolo=Amministratore\r\nPassword=Cancello-Nord-7\r\n"
              "[Operatore4]\r\nNome=Altro schema\r\nPassword="
            + QByteArray(hash).replace("$argon2id$", "$argon2i$")
            + "\r\n"
              "[Operatore5]\r\nNome=MARIO ROSSI\r\nRuolo=Operatore\r\nPassword="
            + hash
            + "\r\n"
              "[Operatore6]\r\nNome=Anna Bianchi\r\nRuolo=Capo\r\nAttivo=0\r\nPassword="
            + hash + "\r\nNome=Seconda chiave\r\n");

        QVERIFY(OperatorStore::configured());
        const QList<Operator> operators = OperatorStore::read();
        QCOMPARE(namesOf(operators), QStringList({ u"Mario Rossi"_s, u"Anna Bianchi"_s }));
        QCOMPARE(operators.at(0).role, OperatorRole::Amministratore);
        QVERIFY(operators.at(0).active);
        QCOMPARE(operators.at(1).role, OperatorRole::Operatore);
        QVERIFY(!operators.at(1).active);
        QVERIFY(OperatorStore::verify(u"Mario Rossi"_s, KnownPassword));
        QVERIFY(!OperatorStore::verify(u"Fuori sezione"_s, KnownPassword));
    }

    void unreadableStoreIsAnError()
    {
        QVERIFY(QDir().mkdir(OperatorStore::path()));
        QVERIFY(OperatorStore::configured());
        QVERIFY_THROWS_EXCEPTION(StorageError, OperatorStore::read());
        QVERIFY_THROWS_EXCEPTION(StorageError, OperatorStore::verify(u"Mario Rossi"_s, KnownPassword));
        QVERIFY_THROWS_EXCEPTION(StorageError,
            OperatorStore::add(u"Mario Rossi"_s, KnownPassword, KnownPassword, OperatorRole::Amministratore));
        QVERIFY_THROWS_EXCEPTION(StorageError, OperatorStore::changeRole(u"Mario Rossi"_s));
    }

    void twoDesksAddingAtOnceLoseNothing()
    {
        const QStringList desks = { u"Ingresso"_s, u"Magazzino"_s };
        QList<QProcess *> children;
        for (const QString &desk : desks) {
            auto *child = new QProcess(this);
            child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child->start(
                QCoreApplication::applicationFilePath(), { QString::fromLatin1(ChildSwitch), m_folder->path(), desk });
            children << child;
        }
        const auto nextLine = [](QProcess *child) {
            while (!child->canReadLine()) {
                if (!child->waitForReadyRead(60000))
                    return QByteArray("<none>");
            }
            return child->readLine().trimmed();
        };
        QList<QStringList> answers(children.size());
        for (int i = 0; i <= OwnOperatorsPerDesk; ++i) {
            for (QProcess *child : std::as_const(children))
                QCOMPARE(nextLine(child), "ready");
            // QProcess writes only while waiting on that process: each go is pushed through at once.
            for (QProcess *child : std::as_const(children)) {
                child->write("go\n");
                QVERIFY(child->waitForBytesWritten(10000));
            }
            for (qsizetype c = 0; c < children.size(); ++c)
                answers[c] << QString::fromLatin1(nextLine(children[c]));
        }
        for (QProcess *child : std::as_const(children)) {
            QVERIFY(child->waitForFinished(60000));
            QCOMPARE(child->exitStatus(), QProcess::NormalExit);
            QCOMPARE(child->exitCode(), 0);
        }

        // The shared name went to one desk only; every other add was taken.
        const QString none = QString::number(int(OperatorRefusal::None));
        const QString taken = QString::number(int(OperatorRefusal::NameTaken));
        QStringList shared = { answers[0].takeFirst(), answers[1].takeFirst() };
        shared.sort();
        QCOMPARE(shared, QStringList({ none, taken }));
        for (const QStringList &own : std::as_const(answers))
            QCOMPARE(own, QStringList(OwnOperatorsPerDesk, none));

        QStringList names = namesOf(OperatorStore::read());
        QCOMPARE(names.count(u"Condiviso"_s), 1);
        for (const QString &desk : desks) {
            for (int i = 1; i <= OwnOperatorsPerDesk; ++i)
                QVERIFY2(names.contains(desk + u' ' + QString::number(i)), qPrintable(names.join(u", "_s)));
        }
        QCOMPARE(names.size(), 1 + int(desks.size()) * OwnOperatorsPerDesk);
        QVERIFY(!QFileInfo::exists(OperatorStore::path() + u".lock"_s));
    }

    // Every change is a whole rewrite of the file: two desks changing their own operators must
    // each find their last change in place when they change again.
    void twoDesksChangingAtOnceLoseNothing()
    {
        writeStore(OneAdministrator + section(2, "Anna Bianchi", "Operatore", true)
            + section(3, "Luca Verdi", "Operatore", true));
        constexpr int Changes = 500;
        std::atomic<int> lost = 0;
        const auto desk = [&](const QString &name) {
            bool expected = true;
            for (int i = 0; i < Changes; ++i) {
                bool nowActive = expected;
                if (OperatorStore::toggleActive(name, &nowActive) != OperatorRefusal::None || nowActive == expected)
                    ++lost;
                expected = !expected;
            }
        };
        std::thread first(desk, u"Anna Bianchi"_s);
        std::thread second(desk, u"Luca Verdi"_s);
        first.join();
        second.join();
        QCOMPARE(lost.load(), 0);
        const QList<Operator> after = OperatorStore::read();
        QCOMPARE(namesOf(after), QStringList({ u"Mario Rossi"_s, u"Anna Bianchi"_s, u"Luca Verdi"_s }));
        QVERIFY(after.at(1).active);
        QVERIFY(after.at(2).active);
    }

    void fiveFailuresLockANameForAMinute()
    {
        const QDateTime start(QDate(2026, 3, 2), QTime(9, 0));
        Clock::setFixed(start);
        for (int i = 0; i < 4; ++i)
            LoginAttempts::failed(u"Mario Rossi"_s);
        QVERIFY(!LoginAttempts::isLocked(u"Mario Rossi"_s));

        const QDateTime fifth = start.addSecs(20);
        Clock::setFixed(fifth);
        LoginAttempts::failed(u" mario ROSSI"_s);
        QVERIFY(LoginAttempts::isLocked(u"Mario Rossi "_s));
        QVERIFY(!LoginAttempts::isLocked(u"Anna Bianchi"_s));

        // Attempts while locked do not move the end of the lock.
        Clock::setFixed(fifth.addSecs(30));
        LoginAttempts::failed(u"Mario Rossi"_s);
        Clock::setFixed(fifth.addSecs(59));
        QVERIFY(LoginAttempts::isLocked(u"Mario Rossi"_s));
        Clock::setFixed(fifth.addSecs(60));
        QVERIFY(!LoginAttempts::isLocked(u"Mario Rossi"_s));

        // The count starts again from nothing.
        for (int i = 0; i < 4; ++i)
            LoginAttempts::failed(u"Mario Rossi"_s);
        QVERIFY(!LoginAttempts::isLocked(u"Mario Rossi"_s));
        LoginAttempts::failed(u"Mario Rossi"_s);
        QVERIFY(LoginAttempts::isLocked(u"Mario Rossi"_s));
    }

    void successClearsOnlyItsName()
    {
        Clock::setFixed(QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
        for (int i = 0; i < 4; ++i) {
            LoginAttempts::failed(u"Mario Rossi"_s);
            LoginAttempts::failed(u"Anna Bianchi"_s);
        }
        LoginAttempts::succeeded(u"MARIO rossi "_s);
        for (int i = 0; i < 4; ++i)
            LoginAttempts::failed(u"Mario Rossi"_s);
        QVERIFY(!LoginAttempts::isLocked(u"Mario Rossi"_s));
        LoginAttempts::failed(u"Anna Bianchi"_s);
        QVERIFY(LoginAttempts::isLocked(u"Anna Bianchi"_s));
        LoginAttempts::failed(u"Mario Rossi"_s);
        QVERIFY(LoginAttempts::isLocked(u"Mario Rossi"_s));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], ChildSwitch) == 0)
        return addAsChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestOperators test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestOperators.moc"
