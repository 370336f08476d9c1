// Every step of every save made to fail in turn, and the disk filled at every point: the operator
// gets the one failure message and never a success message, and nothing on file is lost.

#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "VisitCards.h"
#include "WriteFaults.h"

#include "app/AppWindows.h"
#include "app/CambiaPassword.h"
#include "base/Crypt.h"
#include "base/PasswordStore.h"
#include "base/RecordStep.h"
#include "clients/AllegaCartella.h"
#include "clients/Anagrafica.h"
#include "clients/ClientFolders.h"
#include "storage/ClientFile.h"
#include "storage/StorageError.h"
#include "visits/ExpVisite.h"
#include "visits/Registro.h"
#include "visits/VisitCardRules.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TSchedaVisita storedCard(int n)
{
    return VisitCard({ { VisitField::DataEnt, u"0%1/03/2026"_s.arg(n) }, { VisitField::OraEnt, u"08:0%1"_s.arg(n) },
        { VisitField::Cognome, u"Rossi%1"_s.arg(n) }, { VisitField::Nome, u"Mario"_s },
        { VisitField::Note, QString(200, QChar(u'a' + n)) } });
}

QString where(const FaultRun &run)
{
    return u"fault point %1 (%2)"_s.arg(run.point).arg(run.struck ? run.operation : u"none"_s);
}

// What the runs of one operation came to, for the figures printed at the end.
struct Tally
{
    int points = 0;
    int failed = 0; // the operation reported its failure
    int survived = 0; // the fault struck a step whose failure does not matter (a lock file's sync)
    QStringList survivedSteps;

    void survive(const FaultRun &run)
    {
        ++survived;
        survivedSteps << QString::number(run.point) + u' ' + run.operation;
    }
};

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    QStringList m_figures;

    QString yearFile() const { return m_app->file(u"2026.vis"_s); }
    static TfrmRegistro *reg() { return Windows().registro(); }
    template<typename W = QLineEdit> static W *in(QWidget *window, const QString &name)
    {
        return window->findChild<W *>(name);
    }

    // Files of the program folder other than those named: a failed save must leave no stray file.
    QStringList strayFiles(const QStringList &expected) const
    {
        QStringList found
            = QDir(m_app->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString &name : expected)
            found.removeAll(name);
        // Every action is noted in the activity register, whatever happened to it.
        found.removeAll(u"Registro_attivita.log"_s);
        return found;
    }

    void report(const QString &operation, const Tally &tally)
    {
        m_figures << u"%1: %2 fault points tried, %3 reported as failed, %4 without effect (%5)"_s.arg(operation)
                         .arg(tally.points)
                         .arg(tally.failed)
                         .arg(tally.survived)
                         .arg(tally.survivedSteps.join(u", "_s));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!WriteFaults::available())
            QSKIP("the C library cannot be interposed here");
    }

    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 30))); }

    void cleanup() { m_app.reset(); }

    void cleanupTestCase()
    {
        for (const QString &line : std::as_const(m_figures))
            qInfo().noquote() << line;
    }

    void visitSave_data()
    {
        QTest::addColumn<bool>("storedCard");
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("new card, every step fails") << false << false;
        QTest::newRow("new card, disk full at every point") << false << true;
        QTest::newRow("stored card, every step fails") << true << false;
        // An overwrite never makes the file longer: a full disk cannot stop it.
    }

    void visitSave()
    {
        QFETCH(bool, storedCard);
        QFETCH(bool, diskFills);
        QByteArray before;
        for (int n = 1; n <= 3; ++n)
            before += ::storedCard(n).toBytes();
        const TSchedaVisita edited = VisitCard({ { VisitField::DataEnt, u"07/03/2026"_s },
            { VisitField::OraEnt, u"09:30"_s }, { VisitField::Cognome, u"Verdi"_s }, { VisitField::Nome, u"Anna"_s },
            { VisitField::Note, QString(240, u'z') }, { VisitField::DataUsc, u"07/03/2026"_s },
            { VisitField::OraUsc, u"11:00"_s } });
        const QByteArray saved
            = storedCard ? QByteArray(before).replace(792, 792, edited.toBytes()) : before + edited.toBytes();
        const QString savedPosition = storedCard ? u"2"_s : u"4"_s;
        const QString success = storedCard ? ArchiveTexts::changesSaved() : ArchiveTexts::inserted();
        auto *position = reg()->findChild<QLabel *>(u"lblPosizione"_s);
        reg()->openYear(u"2026"_s);
        reg()->showScreen();

        const auto prepare = [&] {
            WriteFileBytes(yearFile(), before);
            if (storedCard)
                reg()->loadCard(::storedCard(2), 2);
            else
                in<QPushButton>(reg(), u"btnNuovo"_s)->click(); // may ask about the card a failed save left
            const QStringList boxes = VisitBoxNames();
            for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
                in(reg(), boxes.at(i))->setText(edited.field(i));
            m_app->messages.messages.clear();
        };
        const auto attempt = [&] { in<QPushButton>(reg(), u"btnSalva"_s)->click(); };
        Tally tally;
        const auto check = [&](const FaultRun &run) {
            const QString at = where(run);
            QVERIFY2(m_app->messages.count() == 1,
                qPrintable(at + u": messages shown: "_s + QString::number(m_app->messages.count())));
            const QByteArray after = FileBytes(yearFile());
            QVERIFY2(strayFiles({ u"2026.vis"_s }).isEmpty(),
                qPrintable(at + u": left "_s + strayFiles({ u"2026.vis"_s }).join(u' ')));
            if (m_app->messages.lastText() == success) {
                // Only a fault the operation may ignore lets it succeed, and then the card is there whole.
                QVERIFY2(!run.struck || after == saved, qPrintable(at + u": success reported, card not saved"_s));
                QCOMPARE(position->text(), savedPosition);
                if (run.struck)
                    tally.survive(run);
                return;
            }
            QVERIFY2(run.struck, qPrintable(at + u": failure without a fault"_s));
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
            QCOMPARE(m_app->messages.lastText(), AccessFailureText());
            ++tally.failed;
            if (after == before) {
                QCOMPARE(position->text(), storedCard ? u"2"_s : QString());
                return;
            }
            // Closing fails after the card reached the disk: it keeps its position, so saving again
            // writes it in place instead of adding it twice.
            QVERIFY2(run.operation == u"close"_s, qPrintable(at + u": the file changed after a failed save"_s));
            QVERIFY2(after == saved, qPrintable(at + u": the cards on file changed"_s));
            QCOMPARE(position->text(), savedPosition);
        };

        tally.points = diskFills ? FillDiskAtEveryStep(m_app->path(), 97, prepare, attempt, check)
                                 : StrikeEveryStep(m_app->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(FileBytes(yearFile()), saved);
        QVERIFY(tally.points > 0);
        report(QString::fromLatin1(QTest::currentDataTag()), tally);
    }

    // The exit recorded in one scan rewrites one card in place: whatever step fails, the file holds
    // the card as it was or with its exit whole, and the operator is told which.
    void quickExit()
    {
        QByteArray before;
        for (int n = 1; n <= 3; ++n)
            before += ::storedCard(n).toBytes();
        TSchedaVisita closed = ::storedCard(2);
        closed.DataUsc = u"07/03/2026"_s;
        closed.OraUsc = u"09:30"_s;
        const QByteArray saved = QByteArray(before).replace(792, 792, closed.toBytes());
        const QString success = u"Uscita registrata: Rossi2 Mario alle ore 09:30."_s;
        reg()->openYear(u"2026"_s);
        reg()->showScreen();
        auto *quick = in(reg(), u"txtUscitaRapida"_s);

        const auto prepare = [&] {
            WriteFileBytes(yearFile(), before);
            in<QPushButton>(reg(), u"btnNuovo"_s)->click();
            m_app->messages.messages.clear();
        };
        const auto attempt = [&] {
            QTest::keyClicks(quick, u"PV:2026:2"_s);
            QTest::keyClick(quick, Qt::Key_Return);
        };
        Tally tally;
        const auto check = [&](const FaultRun &run) {
            const QString at = where(run);
            QVERIFY2(m_app->messages.count() == 1, qPrintable(at));
            QVERIFY2(strayFiles({ u"2026.vis"_s }).isEmpty(), qPrintable(at));
            const QByteArray after = FileBytes(yearFile());
            if (m_app->messages.lastText() == success) {
                QVERIFY2(after == saved, qPrintable(at + u": success reported, exit not saved"_s));
                if (run.struck)
                    tally.survive(run);
                return;
            }
            QVERIFY2(run.struck, qPrintable(at + u": failure without a fault"_s));
            QCOMPARE(m_app->messages.lastText(), AccessFailureText());
            ++tally.failed;
            QVERIFY2(after == before || (run.operation == u"close"_s && after == saved),
                qPrintable(at + u": the file changed after a failed exit"_s));
        };
        tally.points = StrikeEveryStep(m_app->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(FileBytes(yearFile()), saved);
        QVERIFY(tally.points > 0);
        report(u"quick exit"_s, tally);
    }

    // The client card editor's saves: the registry keeps every card it had.
    void clientSave_data()
    {
        QTest::addColumn<bool>("storedCard");
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("client card, new card, every step fails") << false << false;
        QTest::newRow("client card, new card, disk full at every point") << false << true;
        QTest::newRow("client card, stored card, every step fails") << true << false;
    }

    void clientSave()
    {
        QFETCH(bool, storedCard);
        QFETCH(bool, diskFills);
        QByteArray before;
        for (int n = 1; n <= 3; ++n) {
            TSchedaAnagrafica card;
            card.Cognome = u"Bianchi%1"_s.arg(n);
            card.Nome = u"Anna"_s;
            card.Note = QString(250, QChar(u'a' + n));
            before += card.toBytes();
        }
        TSchedaAnagrafica edited;
        edited.Cognome = u"Verdi"_s;
        edited.Nome = u"Luca"_s;
        edited.Desc01 = QString(250, u'z');
        edited.Decorrenza = u"01/03/2026"_s;
        edited.Scadenza = u"01/04/2026"_s;
        edited.Preavviso = u"7"_s;
        const QString success = storedCard ? ArchiveTexts::changesSaved() : ArchiveTexts::inserted();
        const QString savedPosition = storedCard ? u"2"_s : u"4"_s;
        TfrmAnagrafica *editor = Windows().anagrafica();
        editor->showScreen();
        auto *position = editor->findChild<QLabel *>(u"lblPosizione"_s);

        const auto prepare = [&] {
            WriteFileBytes(ClientFilePath(), before);
            m_app->messages.messages.clear();
            editor->loadCard(edited, storedCard ? 2 : 0);
        };
        const auto attempt = [&] { ClickControl(editor, u"cmdSalva"_s); };
        // The file as a save that works leaves it.
        prepare();
        attempt();
        QCOMPARE(m_app->messages.lastText(), success);
        const QByteArray saved = FileBytes(ClientFilePath());
        QCOMPARE(saved.size(), before.size() + (storedCard ? 0 : TSchedaAnagrafica::RecordSize));
        QVERIFY(saved.startsWith(before.left(TSchedaAnagrafica::RecordSize)));

        Tally tally;
        const auto check = [&](const FaultRun &run) {
            const QString at = where(run);
            QVERIFY2(m_app->messages.count() == 1,
                qPrintable(at + u": messages shown: "_s + QString::number(m_app->messages.count())));
            const QByteArray after = FileBytes(ClientFilePath());
            QVERIFY2(strayFiles({ u"Visitatori.pro"_s }).isEmpty(), qPrintable(at));
            if (m_app->messages.lastText() == success) {
                QVERIFY2(!run.struck || after == saved, qPrintable(at + u": success reported, card not saved"_s));
                QCOMPARE(position->text(), savedPosition);
                if (run.struck)
                    tally.survive(run);
                return;
            }
            QVERIFY2(run.struck, qPrintable(at + u": failure without a fault"_s));
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
            QCOMPARE(m_app->messages.lastText(), AccessFailureText());
            ++tally.failed;
            QVERIFY2(after == before || (run.operation == u"close"_s && after == saved),
                qPrintable(at + u": the file changed after a failed save"_s));
        };
        tally.points = diskFills ? FillDiskAtEveryStep(m_app->path(), 397, prepare, attempt, check)
                                 : StrikeEveryStep(m_app->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(FileBytes(ClientFilePath()), saved);
        QVERIFY(tally.points > 0);
        report(QString::fromLatin1(QTest::currentDataTag()), tally);
    }

    // A document filed over an earlier one of the same name: the earlier one stays until the new
    // copy is whole on the disk, and a failed copy is said, never taken for filed.
    void attachmentCopy_data()
    {
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("attachment copy, every step fails") << false;
        QTest::newRow("attachment copy, disk full at every point") << true;
    }

    void attachmentCopy()
    {
        QFETCH(bool, diskFills);
        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        const QString source = elsewhere.filePath(u"contratto.pdf"_s);
        QByteArray document(600 * 1024, Qt::Uninitialized);
        for (qsizetype i = 0; i < document.size(); ++i)
            document[i] = char((i * 7919) >> 3);
        WriteFileBytes(source, document);
        const QString filed = AttachmentsFolder() + u"contratto.pdf"_s;
        QVERIFY(QDir().mkpath(AttachmentsFolder()));
        const QByteArray earlier = "the contract filed last year";
        TfrmAllegaCartella dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *slot = in(&dialog, u"txtFile01"_s);

        const auto prepare = [&] {
            WriteFileBytes(filed, earlier);
            m_app->messages.messages.clear();
            m_app->messages.answers = { true }; // replace the earlier document: yes
            m_app->messages.fileNames = { source };
            dialog.setSlots({ AttachmentSlot { u"vecchio.pdf"_s, u"Contratto"_s }, {}, {} });
        };
        const auto attempt = [&] { in<QPushButton>(&dialog, u"btnSfoglia01"_s)->click(); };
        Tally tally;
        const auto check = [&](const FaultRun &run) {
            const QString at = where(run);
            const QStringList inFolder = QDir(AttachmentsFolder()).entryList(QDir::Files | QDir::Hidden);
            QVERIFY2(inFolder == QStringList { u"contratto.pdf"_s }, qPrintable(at + u": "_s + inFolder.join(u' ')));
            QVERIFY2(m_app->messages.count() >= 1, qPrintable(at));
            QCOMPARE(m_app->messages.messages.first().text, ClientFolderTexts::replaceExisting());
            if (m_app->messages.count() == 1) {
                QVERIFY2(FileBytes(filed) == document, qPrintable(at + u": the copy is not whole"_s));
                QCOMPARE(slot->text(), u"contratto.pdf"_s);
                if (run.struck)
                    tally.survive(run);
                return;
            }
            QVERIFY2(run.struck, qPrintable(at + u": failure without a fault"_s));
            QCOMPARE(m_app->messages.count(), 2);
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Warning);
            QCOMPARE(m_app->messages.lastText(), ClientFolderTexts::copyFailed(u"contratto.pdf"_s));
            QVERIFY2(FileBytes(filed) == earlier, qPrintable(at + u": the earlier document changed"_s));
            QCOMPARE(slot->text(), u"vecchio.pdf"_s);
            ++tally.failed;
        };
        tally.points = diskFills ? FillDiskAtEveryStep(m_app->path(), 64 * 1024 + 3, prepare, attempt, check)
                                 : StrikeEveryStep(m_app->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(FileBytes(filed), document);
        QVERIFY(tally.points > 0);
        report(QString::fromLatin1(QTest::currentDataTag()), tally);
    }

    void visitExport_data()
    {
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("visit export, every step fails") << false;
        QTest::newRow("visit export, disk full at every point") << true;
    }

    // The export of the register replaces last month's file only when the new one is complete.
    void visitExport()
    {
        QFETCH(bool, diskFills);
        QByteArray cards;
        for (int n = 1; n <= 3; ++n)
            cards += ::storedCard(n).toBytes();
        const QString exportPath = m_app->file(u"Registro_Visite.xls"_s);
        const QByteArray earlier = "<html>the export of last month</html>";
        const QString question = u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                                 u"numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;
        const QString done
            = u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"_s;
        const QString failure = u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                                u"file di Excel non sia già aperto."_s;
        WriteFileBytes(yearFile(), cards);
        TfrmExpVisite screen;
        screen.setYearFile(yearFile());
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        const auto prepare = [&] {
            WriteFileBytes(exportPath, earlier);
            m_app->messages.messages.clear();
            m_app->messages.answers = { true, false }; // export: yes; open the file: no
        };
        const auto attempt
            = [&] { QTest::mouseClick(in<QWidget>(&screen, u"cmdEsporta"_s), Qt::LeftButton, {}, QPoint(10, 10)); };
        Tally tally;
        const auto check = [&](const FaultRun &run) {
            const QString at = where(run);
            QVERIFY2(m_app->messages.count() == 2,
                qPrintable(at + u": messages shown: "_s + QString::number(m_app->messages.count())));
            QCOMPARE(m_app->messages.messages.first().text, question);
            QVERIFY2(strayFiles({ u"2026.vis"_s, u"Registro_Visite.xls"_s }).isEmpty(),
                qPrintable(at + u": left "_s + strayFiles({ u"2026.vis"_s, u"Registro_Visite.xls"_s }).join(u' ')));
            QVERIFY2(FileBytes(yearFile()) == cards, qPrintable(at + u": the export changed the year file"_s));
            const QByteArray after = FileBytes(exportPath);
            if (m_app->messages.lastText() == done) {
                QVERIFY2(
                    after.startsWith("<html") && after.endsWith("</table></body></html>") && after.contains("Rossi3"),
                    qPrintable(at + u": success reported, export incomplete"_s));
                if (run.struck)
                    tally.survive(run);
                return;
            }
            QVERIFY2(run.struck, qPrintable(at + u": failure without a fault"_s));
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Notice);
            QCOMPARE(m_app->messages.lastText(), failure);
            QVERIFY2(after == earlier, qPrintable(at + u": last month's export changed after a failed export"_s));
            ++tally.failed;
        };
        tally.points = diskFills ? FillDiskAtEveryStep(m_app->path(), 211, prepare, attempt, check)
                                 : StrikeEveryStep(m_app->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(tally.points > 0);
        report(QString::fromLatin1(QTest::currentDataTag()), tally);
    }

    void passwordChange_data()
    {
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("password change, every step fails") << false;
        QTest::newRow("password change, disk full at every point") << true;
    }

    void passwordChange()
    {
        QFETCH(bool, diskFills);
        const QString storePath = PasswordStore::path();
        const QByteArray before = "[Accesso]\r\nValore=" + ScrambleText(u"PORTAVEL"_s).toLatin1() + "\r\n";
        TfrmCambiaPassword *change = Windows().cambiaPassword();
        const QString success = u"Modifica della password completata con successo."_s;
        const QString failure = u"Attenzione: si è verificato un errore durante la procedura di modifica della "
                                u"password. Si consiglia di reinstallare il software."_s;

        const auto prepare = [&] {
            WriteFileBytes(storePath, before);
            m_app->messages.messages.clear();
            change->showScreen();
            in(change, u"txtPasswordOld"_s)->setText(u"portavel"_s);
            in(change, u"txtPasswordNew"_s)->setText(u"nuova"_s);
            in(change, u"txtConferma"_s)->setText(u"nuova"_s);
        };
        const auto attempt = [&] { in<QPushButton>(change, u"cmdOK"_s)->click(); };
        Tally tally;
        const auto check = [&](const FaultRun &run) {
            const QString at = where(run);
            QVERIFY2(m_app->messages.count() == 1,
                qPrintable(at + u": messages shown: "_s + QString::number(m_app->messages.count())));
            QVERIFY2(strayFiles({ u"unins000.dll"_s }).isEmpty(),
                qPrintable(at + u": left "_s + strayFiles({ u"unins000.dll"_s }).join(u' ')));
            if (m_app->messages.lastText() == success) {
                QCOMPARE(PasswordStore::readPassword(), u"NUOVA"_s);
                if (run.struck)
                    tally.survive(run);
                return;
            }
            QVERIFY2(run.struck, qPrintable(at + u": failure without a fault"_s));
            QCOMPARE(m_app->messages.lastText(), failure);
            // The old password still opens the program, and the store is as it was.
            QVERIFY2(FileBytes(storePath) == before, qPrintable(at + u": the store changed after a failed change"_s));
            QCOMPARE(PasswordStore::readPassword(), u"PORTAVEL"_s);
            ++tally.failed;
        };

        tally.points = diskFills ? FillDiskAtEveryStep(m_app->path(), 7, prepare, attempt, check)
                                 : StrikeEveryStep(m_app->path(), prepare, attempt, check);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(tally.points > 0);
        report(QString::fromLatin1(QTest::currentDataTag()), tally);
    }
};

QTEST_MAIN(TestWriteFaults)
#include "TestWriteFaults.moc"
