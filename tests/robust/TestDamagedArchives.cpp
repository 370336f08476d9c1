// Every screen that reads a record file, opened on every kind of damaged file: no crash, the
// screen's own message where it has one, and nothing written to the file.
//
// To add a screen, add one ScreenUse to screenUses(): the file it reads, how the operator opens
// it, and the message it gives for files with records, without records, and that cannot be opened.

#include "AppFixture.h"
#include "DamagedFiles.h"
#include "MessageRecorder.h"

#include "app/AppWindows.h"
#include "base/ProgramFolder.h"
#include "base/RecordStep.h"
#include "clients/Anagrafica.h"
#include "clients/DaRinnovare.h"
#include "clients/ExpClienti.h"
#include "clients/TrovaClienti.h"
#include "storage/StorageError.h"
#include "storage/TSchedaAnagrafica.h"
#include "storage/TSchedaVisita.h"
#include "summaries/Riepilogo.h"
#include "summaries/Statistiche.h"
#include "visits/ExpVisite.h"
#include "visits/Registro.h"
#include "visits/TrovaVisite.h"
#include "visits/UsciteNonRegistrate.h"
#include "visits/VisitCardRules.h"
#include "widgets/ListBox.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Reads = DamagedFile::Reads;

struct ScreenUse
{
    QString name;
    QString fileName; // in the program folder
    int recordSize = 0;
    // Opens the screen as the operator does and works it; checks what it shows with QTest macros.
    std::function<void(Reads)> use;
    // The one message shown for a file that reads this way; nothing when none.
    std::function<std::optional<RecordedMessage>(Reads)> message;
};

TfrmRegistro *reg()
{
    return Windows().registro();
}

// The visit editor on the year, or the client card editor on the registry, with a card at
// `positionOnScreen` on screen (0: a new card).
Screen *openEditor(bool clients, int positionOnScreen)
{
    if (clients) {
        TfrmAnagrafica *editor = Windows().anagrafica();
        editor->showScreen();
        if (positionOnScreen > 0)
            editor->loadCard(TSchedaAnagrafica(), positionOnScreen);
        return editor;
    }
    reg()->openYear(u"2026"_s);
    reg()->showScreen();
    if (positionOnScreen > 0)
        reg()->loadCard(TSchedaVisita(), positionOnScreen);
    return reg();
}

// One record-bar arrow of a card editor, pressed with a card at `positionOnScreen`.
ScreenUse editorArrow(const QString &name, bool clients, const QString &arrow, int positionOnScreen)
{
    return { name, clients ? u"Visitatori.pro"_s : u"2026.vis"_s,
        clients ? TSchedaAnagrafica::RecordSize : TSchedaVisita::RecordSize,
        [clients, arrow, positionOnScreen](Reads reads) {
            Screen *editor = openEditor(clients, positionOnScreen);
            auto *image = editor->findChild<QWidget *>(arrow);
            QVERIFY(image);
            QTest::mouseClick(image, Qt::LeftButton);
            const QString position = editor->findChild<QLabel *>(u"lblPosizione"_s)->text();
            if (reads == Reads::Records)
                QVERIFY2(position.toInt() >= 1, qPrintable(u"position shown: "_s + position));
        },
        [](Reads reads) -> std::optional<RecordedMessage> {
            switch (reads) {
            case Reads::Records:
                return std::nullopt;
            case Reads::NoRecords:
                return RecordedMessage { MessageKind::Information, ArchiveTexts::emptyArchive() };
            case Reads::Unreachable:
                break;
            }
            return RecordedMessage { MessageKind::Error, AccessFailureText() };
        } };
}

// A presence list opened from the visit editor: it fills silently, whatever it finds.
ScreenUse presenceList(const QString &name, const QString &button)
{
    return { name, u"2026.vis"_s, TSchedaVisita::RecordSize,
        [button](Reads) {
            openEditor(false, 0);
            bool shown = false;
            WhenModalShown([&shown](QDialog *dialog) {
                shown = true;
                QVERIFY(dialog->findChild<ListBox *>(u"lstRecords"_s));
                dialog->findChild<QPushButton *>(u"btnChiudi"_s)->click();
            });
            reg()->findChild<QPushButton *>(button)->click();
            QVERIFY(shown);
        },
        [](Reads) -> std::optional<RecordedMessage> { return std::nullopt; } };
}

// An export screen: its grid fills silently with the cards it can read, and nothing is exported
// unless the operator asks.
template<typename Screen> ScreenUse exportGrid(const QString &name, const QString &fileName, int recordSize)
{
    return { name, fileName, recordSize,
        [fileName](Reads) {
            Screen screen;
            if constexpr (std::is_same_v<Screen, TfrmExpVisite>)
                screen.setYearFile(ProgramFolder() + fileName);
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            QVERIFY(screen.template findChild<QWidget *>(u"grdRecords"_s));
        },
        [](Reads) -> std::optional<RecordedMessage> { return std::nullopt; } };
}

// A search with its criteria left blank: Cerca reads the whole file, and says so when it cannot.
template<typename Screen> ScreenUse search(const QString &name, const QString &fileName, int recordSize)
{
    return { name, fileName, recordSize,
        [fileName](Reads) {
            Screen screen;
            if constexpr (std::is_same_v<Screen, TfrmTrovaVisite>)
                screen.setYearFile(ProgramFolder() + fileName);
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            auto *cerca = screen.template findChild<QPushButton *>(u"btnCerca"_s);
            QVERIFY(cerca);
            cerca->click();
        },
        [](Reads reads) -> std::optional<RecordedMessage> {
            if (reads == Reads::Unreachable)
                return RecordedMessage { MessageKind::Notice, AccessFailureText() };
            return std::nullopt;
        } };
}

// The instalments due: the list fills silently with what it can read.
ScreenUse instalmentsDue()
{
    return { u"instalments due"_s, u"Visitatori.pro"_s, TSchedaAnagrafica::RecordSize,
        [](Reads) {
            TfrmDaRinnovare screen;
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            QVERIFY(screen.findChild<ListBox *>(u"lstRecords"_s));
        },
        [](Reads) -> std::optional<RecordedMessage> { return std::nullopt; } };
}

// The summary of the whole year: it counts what it can read, and tells its opener when it cannot
// read the file at all (the opener then shows its notice).
ScreenUse yearSummary()
{
    return { u"summary of the year"_s, u"2026.vis"_s, TSchedaVisita::RecordSize,
        [](Reads reads) {
            TfrmRiepilogo summary;
            const SummaryRequest request { ProgramFolder() + u"2026.vis"_s, u"01/01/2026"_s, u"31/12/2026"_s,
                QString() };
            const bool built = summary.buildSummary(request, ReadVisitSummary(request));
            QCOMPARE(built, reads != Reads::Unreachable);
            if (built) {
                bool isNumber = false;
                const int total = summary.findChild<QLabel *>(u"lblTotCosti"_s)->text().toInt(&isNumber);
                QVERIFY(isNumber);
                QCOMPARE(total, summary.findChild<ListBox *>(u"lstRecords"_s)->count());
            }
        },
        [](Reads) -> std::optional<RecordedMessage> { return std::nullopt; } };
}

// The monthly chart of the year: drawn from what can be read; an unreadable file leaves the
// year's box for another try.
ScreenUse monthlyChart()
{
    return { u"monthly chart"_s, u"2026.vis"_s, TSchedaVisita::RecordSize,
        [](Reads reads) {
            TfrmStatistiche *screen = Windows().statistiche();
            screen->showScreen();
            screen->findChild<QLineEdit *>(u"txtAnno"_s)->setText(u"2026"_s);
            screen->findChild<QPushButton *>(u"btnApri"_s)->click();
            QCOMPARE(screen->findChild<QWidget *>(u"panContainer"_s)->isVisible(), reads != Reads::Unreachable);
        },
        [](Reads) -> std::optional<RecordedMessage> { return std::nullopt; } };
}

// The visits left open on earlier days, asked for from the register's menu: the list fills with what
// can be read, and a file that cannot be opened is said instead.
ScreenUse unrecordedExits()
{
    return { u"forgotten exits"_s, u"2026.vis"_s, TSchedaVisita::RecordSize,
        [](Reads reads) {
            bool shown = false;
            if (reads != Reads::Unreachable) {
                WhenModalShown([&shown](QDialog *dialog) {
                    shown = dialog->findChild<ListBox *>(u"lstVisite"_s) != nullptr;
                    dialog->findChild<QPushButton *>(u"btnEsci"_s)->click();
                });
            }
            TfrmUsciteNonRegistrate::showFor(reg(), TfrmUsciteNonRegistrate::Opening::OnRequest);
            QCOMPARE(shown, reads != Reads::Unreachable);
        },
        [](Reads reads) -> std::optional<RecordedMessage> {
            if (reads == Reads::Unreachable)
                return RecordedMessage { MessageKind::Error, AccessFailureText() };
            return std::nullopt;
        } };
}

QList<ScreenUse> screenUses()
{
    return {
        editorArrow(u"visit editor, first card"_s, false, u"cmdPrimo"_s, 0),
        editorArrow(u"visit editor, last card"_s, false, u"cmdUltimo"_s, 0),
        editorArrow(u"visit editor, next card"_s, false, u"cmdAvanti"_s, 1),
        editorArrow(u"visit editor, previous card"_s, false, u"cmdIndietro"_s, 3),
        editorArrow(u"client editor, first card"_s, true, u"cmdPrimo"_s, 0),
        editorArrow(u"client editor, last card"_s, true, u"cmdUltimo"_s, 0),
        editorArrow(u"client editor, next card"_s, true, u"cmdAvanti"_s, 1),
        editorArrow(u"client editor, previous card"_s, true, u"cmdIndietro"_s, 3),
        presenceList(u"visitors not yet out"_s, u"btnNonUsciti"_s),
        presenceList(u"visitors entered today"_s, u"btnEntratiOggi"_s),
        presenceList(u"visitors exited today"_s, u"btnUscitiOggi"_s),
        exportGrid<TfrmExpVisite>(u"visit export"_s, u"2026.vis"_s, TSchedaVisita::RecordSize),
        exportGrid<TfrmExpClienti>(u"client export"_s, u"Visitatori.pro"_s, TSchedaAnagrafica::RecordSize),
        search<TfrmTrovaVisite>(u"visit search"_s, u"2026.vis"_s, TSchedaVisita::RecordSize),
        search<TfrmTrovaClienti>(u"client search"_s, u"Visitatori.pro"_s, TSchedaAnagrafica::RecordSize),
        instalmentsDue(),
        yearSummary(),
        monthlyChart(),
        unrecordedExits(),
    };
}

} // namespace

class TestDamagedArchives : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 30))); }

    void cleanup() { m_app.reset(); }

    void screenOnDamagedFile_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("damage");
        const QList<ScreenUse> screens = screenUses();
        for (int s = 0; s < screens.size(); ++s) {
            for (const DamagedFile &damage : DamagedFiles())
                QTest::addRow("%s, %s", qPrintable(screens.at(s).name), qPrintable(damage.name)) << s << damage.name;
        }
    }

    void screenOnDamagedFile()
    {
        QFETCH(int, screen);
        QFETCH(QString, damage);
        const ScreenUse use = screenUses().at(screen);
        const DamagedFile &file = DamagedFileNamed(damage);
        const QString path = m_app->file(use.fileName);
        file.make(path, use.recordSize);
        const QString before = FileState(path);

        use.use(file.reads);
        if (QTest::currentTestFailed())
            return;

        const std::optional<RecordedMessage> expected = use.message(file.reads);
        QCOMPARE(m_app->messages.count(), expected ? 1 : 0);
        if (expected) {
            QCOMPARE(m_app->messages.lastKind(), expected->kind);
            QCOMPARE(m_app->messages.lastText(), expected->text);
        }
        QCOMPARE(FileState(path), before);
    }
};

QTEST_MAIN(TestDamagedArchives)
#include "TestDamagedArchives.moc"
