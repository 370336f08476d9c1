#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestPrinting.h"

#include "base/WorkProgress.h"
#include "storage/StorageError.h"
#include "storage/TSchedaVisita.h"
#include "visits/ExpVisite.h"
#include "visits/TrovaVisite.h"
#include "widgets/OffWindowWork.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// The progress dialog of a running work, once it shows.
QProgressDialog *progressDialog()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QProgressDialog *>(top); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

// Does `act` to the progress dialog as soon as it shows, then presses its Annulla.
class AtProgress
{
public:
    explicit AtProgress(std::function<void(QProgressDialog *)> act = {})
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this, act] {
            QProgressDialog *dialog = progressDialog();
            if (!dialog)
                return;
            m_poll.stop();
            shown = true;
            if (act)
                act(dialog);
            dialog->findChild<QPushButton *>()->click();
        });
        m_poll.start();
    }
    bool shown = false;

private:
    QTimer m_poll;
};

// A year file of `cards` blank cards, held by the disk as a hole: long to read, no room taken.
void blankYear(const QString &path, qint64 cards)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.resize(cards * TSchedaVisita::RecordSize));
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// Long readings run off the window: a short one answers as before, a long one shows its progress
// and stops on Annulla with nothing shown or written, and F12 prints the roll-call meanwhile.
class TestLongWork : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> m_app;

    // A work that reads until it is cancelled, or for at most ten seconds.
    static int readUntilCancelled()
    {
        for (int i = 0; i < 1000; ++i) {
            WorkProgress::read(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return 1;
    }

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 12, 10), QTime(10, 15, 30))); }
    void cleanup() { m_app.reset(); }

    void shortWorkAnswersAtOnce()
    {
        QCOMPARE(ComputeOffWindow<int>(nullptr, u"Ricerca in corso..."_s, [] { return 42; }), 42);
        QVERIFY(!progressDialog());
        // A failure of the work reaches the window's thread, where its message is given.
        QVERIFY_THROWS_EXCEPTION(StorageError,
            ComputeOffWindow<int>(nullptr, u"Ricerca in corso..."_s, []() -> int { throw StorageError(u"x"_s); }));
    }

    void annullaStopsALongWork()
    {
        AtProgress annulla([](QProgressDialog *dialog) {
            QCOMPARE(dialog->labelText(), u"Riepilogo in corso..."_s);
            QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        });
        QCOMPARE(ComputeOffWindow<int>(nullptr, u"Riepilogo in corso..."_s, readUntilCancelled), std::nullopt);
        QVERIFY(annulla.shown);
        QVERIFY(!OffWindowWorkRunning());
    }

    // The desk's emergency key works while a work runs: it reads its own files.
    void f12PrintsTheRollCallDuringAWork()
    {
        PdfPrinting pdf(m_app->file(u"appello.pdf"_s));
        AtProgress annulla([](QProgressDialog *dialog) { QTest::keyClick(dialog, Qt::Key_F12); });
        QCOMPARE(ComputeOffWindow<int>(nullptr, u"Ricerca in corso..."_s, readUntilCancelled), std::nullopt);
        QCOMPARE(pdf.dialogs, 1);
        QCOMPARE(m_app->messages.lastText(), u"Elenco di emergenza stampato: 0 persone presenti in sede."_s);
    }

    void annullaOnASearchShowsNothing()
    {
        const QString yearFile = m_app->file(u"2026.vis"_s);
        blankYear(yearFile, 8'000'000);
        TfrmTrovaVisite search;
        search.setYearFile(yearFile);
        search.show();
        QTest::keyClicks(search.findChild<QLineEdit *>(u"txtCognome"_s), u"Rossi"_s);
        AtProgress annulla;
        search.findChild<QPushButton *>(u"btnCerca"_s)->click();
        QVERIFY(annulla.shown);
        QVERIFY(search.findChild<QWidget *>(u"panAvvio"_s)->isVisible());
        QVERIFY(!search.findChild<QWidget *>(u"panContainer"_s)->isVisible());
        QCOMPARE(m_app->messages.count(), 0);
    }

    void annullaOnAnExportLeavesTheEarlierFile()
    {
        const QString yearFile = m_app->file(u"2026.vis"_s);
        blankYear(yearFile, 1'000'000);
        const QString exported = m_app->file(u"Registro_Visite.xls"_s);
        {
            QFile earlier(exported);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("an earlier export");
        }
        TfrmExpVisite screen;
        screen.setYearFile(yearFile);
        screen.show();
        QTRY_VERIFY_WITH_TIMEOUT(!OffWindowWorkRunning(), 60000);
        AtProgress annulla;
        QTest::mouseClick(screen.findChild<QWidget *>(u"cmdEsporta"_s), Qt::LeftButton);
        QVERIFY(annulla.shown);
        QCOMPARE(bytesOf(exported), QByteArray("an earlier export"));
        // The question before the export, and nothing after it.
        QCOMPARE(m_app->messages.count(), 1);
    }
};

QTEST_MAIN(TestLongWork)
#include "TestLongWork.moc"
