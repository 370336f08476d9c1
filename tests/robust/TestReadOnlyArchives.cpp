// Archives the user may read but not write: the folder, one year file, or a file not even readable.
// Everything is read, nothing is lost, every save is refused with the access message.
//
// File modes do not bind the super-user: run as root, the program drops to the unprivileged user
// "nobody" before anything else, so that the modes set here bite as they do at a real desk.

#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include "app/Avvio.h"
#include "app/Password.h"
#include "base/PasswordStore.h"
#include "base/ProgramFolder.h"
#include "storage/ArchiveBackup.h"
#include "storage/LineStore.h"
#include "visits/PresenceLines.h"
#include "visits/Registro.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

const QByteArray InitialStore = QByteArrayLiteral("[Accesso]\r\nValore=4647B7D0664108B0\r\n");

TSchedaVisita visit(const QString &cognome, const QString &dataUsc = {})
{
    return VisitCard(
        { { F::Cognome, cognome }, { F::Nome, u"Ospite"_s }, { F::DataEnt, u"10/12/2026"_s }, { F::OraEnt, u"09:15"_s },
            { F::DataUsc, dataUsc }, { F::OraUsc, dataUsc.isEmpty() ? QString() : u"10:00"_s } });
}

void setMode(const QString &path, mode_t mode)
{
    QVERIFY2(::chmod(QFile::encodeName(path).constData(), mode) == 0, qPrintable(path));
}

const QString AccessMessage
    = u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
      u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."_s;

} // namespace

class TestReadOnlyArchives : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> m_app;
    QTemporaryDir m_out; // the printed PDF, outside the archives' folder

    QString yearFile() const { return m_app->file(u"2026.vis"_s); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(::geteuid() != 0); }

    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 12, 10), QTime(11, 0)));
        // Five visits, three of them still inside; three registry cards; the password store.
        WriteVisits(yearFile(),
            { visit(u"Rossi"_s, u"10/12/2026"_s), visit(u"Bianchi"_s), visit(u"Esposito"_s),
                visit(u"Ferrari"_s, u"10/12/2026"_s), visit(u"Colombo"_s) });
        QFile registry(m_app->file(u"Visitatori.pro"_s));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write(QByteArray(3 * 4043, '\0'));
        registry.close();
        QFile store(PasswordStore::path());
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write(InitialStore);
    }

    void cleanup()
    {
        setMode(m_app->path(), 0755);
        if (QFile::exists(yearFile()))
            setMode(yearFile(), 0644);
        m_app.reset();
    }

    void readEverythingSaveNothing_data()
    {
        QTest::addColumn<mode_t>("folderMode");
        QTest::addColumn<mode_t>("fileMode");
        QTest::addColumn<QStringList>("inside");
        QTest::addColumn<bool>("unreadable");

        const QStringList three { u"Bianchi"_s, u"Colombo"_s, u"Esposito"_s };
        QTest::newRow("read-only folder") << mode_t(0555) << mode_t(0444) << three << false;
        QTest::newRow("read-only year file") << mode_t(0755) << mode_t(0444) << three << false;
        QTest::newRow("year file not readable") << mode_t(0755) << mode_t(0) << QStringList() << true;
    }

    void readEverythingSaveNothing()
    {
        QFETCH(mode_t, folderMode);
        QFETCH(mode_t, fileMode);
        QFETCH(QStringList, inside);
        QFETCH(bool, unreadable);
        const QByteArray before = FileBytes(yearFile()); // read before the modes bite
        setMode(yearFile(), fileMode);
        setMode(m_app->path(), folderMode);

        // A folder that holds archives stays the program's folder, writable or not.
        const QString own = QDir::cleanPath(m_app->path());
        QCOMPARE(ChooseProgramFolder(own, m_out.path()), own + u'/');

        // The list of visitors not yet out.
        bool complete = true;
        const LineStore lines = ListPresenceLines(PresenceKind::NonUsciti, yearFile(), u"10/12/2026"_s, &complete);
        QCOMPARE(lines.size(), qsizetype(inside.size()));
        QCOMPARE(complete, !unreadable);

        // The roll-call names the people inside, or says on paper which file it could not read.
        const QString pdfPath = m_out.filePath(u"emergenza.pdf"_s);
        PdfPrinting pdf(pdfPath);
        QTest::keyClick(Windows().avvio(), Qt::Key_F12);
        QCOMPARE(pdf.dialogs, 1);
        const QString page = PdfPages(pdfPath).value(0).simplified();
        QVERIFY2(page.contains(u"Presenti: %1"_s.arg(inside.size())), qPrintable(page));
        for (const QString &surname : inside)
            QVERIFY2(page.contains(surname + u" Ospite"_s), qPrintable(surname));
        QCOMPARE(page.contains(u"ATTENZIONE: archivio 2026.vis non leggibile - elenco incompleto"_s), unreadable);

        // The arrows read the cards; a save is refused and leaves the file as it was.
        m_app->messages.messages.clear();
        TfrmRegistro *reg = Windows().registro();
        reg->setYearFile(yearFile());
        reg->showScreen();
        ClickControl(reg, u"cmdUltimo"_s);
        if (unreadable) {
            QCOMPARE(m_app->messages.lastText(), AccessMessage);
            return;
        }
        QCOMPARE(m_app->messages.count(), 0);
        QCOMPARE(reg->findChild<QLineEdit *>(u"txtCognome"_s)->text(), u"Colombo"_s);
        reg->findChild<QLineEdit *>(u"txtNote"_s)->setText(u"uscito"_s);
        ClickControl(reg, u"btnSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
        QCOMPARE(m_app->messages.lastText(), AccessMessage);
        QCOMPARE(FileBytes(yearFile()), before);
    }

    // Logging in where nothing can be written: a warning, and no day copy attempted.
    void loginInReadOnlyFolder()
    {
        setMode(m_app->path(), 0555);
        Windows().password()->showScreen();
        QTest::keyClicks(Windows().password()->findChild<QLineEdit *>(u"txtPassword"_s), u"PORTAVEL"_s);
        ClickControl(Windows().password(), u"cmdOK"_s);
        QVERIFY(Windows().avvio()->isVisible());
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Warning);
        QCOMPARE(m_app->messages.lastText(),
            u"Attenzione: la cartella degli archivi non consente la scrittura: le schede si possono consultare"
            u" ma non salvare."_s);
        QVERIFY(!QFile::exists(BackupFolder()));
    }

    // The password store travels with the archives: when it is missing the login says so and
    // nothing makes a new one beside them, which would reset the password.
    void missingPasswordStore()
    {
        QVERIFY(QFile::remove(PasswordStore::path()));
        Windows().password()->showScreen();
        QTest::keyClicks(Windows().password()->findChild<QLineEdit *>(u"txtPassword"_s), u"PORTAVEL"_s);
        ClickControl(Windows().password(), u"cmdOK"_s);
        QVERIFY(!Windows().avvio()->isVisible());
        QCOMPARE(m_app->messages.lastText(),
            u"Attenzione: il file delle password unins000.dll non si trova nella cartella degli archivi."_s);
        QVERIFY(PrepareProgramFolder(InitialStore));
        QVERIFY(!QFile::exists(PasswordStore::path()));
    }

    // An installed program's own folder holds nothing and cannot be written: it works in the data
    // folder, and its first start there writes the initial store; a data folder with archives in it
    // never gets one again.
    void emptyReadOnlyFolderChoosesDataFolder()
    {
        QTemporaryDir own;
        setMode(own.path(), 0555);
        const QString data = m_out.filePath(u"data"_s);
        QCOMPARE(ChooseProgramFolder(own.path(), data), data + u'/');
        setMode(own.path(), 0755);

        const QString folder = ProgramFolder();
        QVERIFY(QFile::remove(PasswordStore::path()));
        QVERIFY(PrepareProgramFolder(InitialStore));
        QVERIFY(!QFile::exists(PasswordStore::path())); // archives are there

        for (const QString &name : QDir(folder).entryList(QDir::Files))
            QVERIFY(QFile::remove(folder + name));
        QVERIFY(PrepareProgramFolder(InitialStore));
        QCOMPARE(FileBytes(PasswordStore::path()), InitialStore);
    }
};

int main(int argc, char **argv)
{
    // Modes do not bind the super-user; drop to "nobody" before any file is made.
    if (::geteuid() == 0) {
        const gid_t nobodyGroup = 65534;
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setresgid(nobodyGroup, nobodyGroup, nobodyGroup) != 0
            || ::setresuid(nobody, nobody, nobody) != 0) {
            std::perror("cannot leave the super-user");
            return EXIT_FAILURE;
        }
        ::setenv("XDG_RUNTIME_DIR", "/tmp", 1);
        ::setenv("HOME", "/tmp", 1);
    }
    QApplication app(argc, argv);
    TestReadOnlyArchives test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestReadOnlyArchives.moc"
