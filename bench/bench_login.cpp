// Times what the desk waits for at the first login of a day, on copies of real year files, and
// how long the window stops answering while long work runs: the longest lateness of a 10 ms timer
// on the window's thread. Runs the real windows (offscreen, or under Xvfb) in a fresh program
// folder: the login with its password, the start menu, the day's copy behind it; then, on the
// first year file a whole-year summary and on the last a visit export of its cards, both off the window.
// Usage: bench_login YEARFILE...   (each copied into the program folder first; never written)

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/Password.h"
#include "base/Clock.h"
#include "base/Crypt.h"
#include "base/ProgramFolder.h"
#include "storage/ArchiveBackup.h"
#include "summaries/VisitSummary.h"
#include "visits/ExpVisite.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The longest lateness of a 10 ms timer while it runs.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setInterval(10);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_worst = std::max(m_worst, now - m_last - 10);
            m_last = now;
        });
        m_clock.start();
        m_timer.start();
    }
    qint64 worstMs() const { return std::max<qint64>(0, m_worst); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

// Says yes to the questions, so the export runs without a hand on the mouse.
class Yes : public MessageHandler
{
public:
    // Except opening the exported file in the spreadsheet program.
    bool message(QWidget *, MessageKind, const QString &text) override { return !text.contains(u"aprire"_s); }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &value) override
    {
        return value;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
};

void waitUntil(const std::function<bool()> &done)
{
    while (!done())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList years = QApplication::arguments().mid(1);
    if (years.isEmpty()) {
        std::fprintf(stderr, "Usage: bench_login YEARFILE...\n");
        return 2;
    }
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    for (const QString &year : years)
        if (!QFile::copy(year, ProgramFolder() + QFileInfo(year).fileName()))
            return 1;
    {
        QFile store(ProgramFolder() + u"unins000.dll"_s);
        if (!store.open(QIODevice::WriteOnly))
            return 1;
        store.write("[Accesso]\r\nValore=" + ScrambleText(u"PORTAVEL"_s).toLatin1() + "\r\n");
    }
    Yes yes;
    Messages::setHandler(&yes);
    CreateAppWindows();
    Windows().password()->showScreen();
    QApplication::processEvents();

    // Two days of copies: the first copies every archive, the second links them.
    for (int day = 0; day < 2; ++day) {
        Clock::setFixed(QDateTime(QDate(2026, 12, 10).addDays(day), QTime(8, 0)));
        Windows().password()->showScreen();
        QApplication::processEvents();
        Windows().password()->findChild<QLineEdit *>(u"txtPassword"_s)->setText(u"PORTAVEL"_s);
        QElapsedTimer timer;
        const StallMeter stall;
        timer.start();
        Windows().password()->findChild<QPushButton *>(u"cmdOK"_s)->click();
        waitUntil([] { return Windows().avvio()->isVisible(); });
        const qint64 menu = timer.elapsed();
        auto *status = Windows().avvio()->findChild<QLabel *>(u"lblCopiaSicurezza"_s);
        waitUntil([status] { return status->text().endsWith(u"completata."_s) || !status->text().contains(u'%'); });
        std::printf("day %d (%s): start menu %lld ms, backup %lld ms, longest stall %lld ms, status \"%s\"\n", day + 1,
            day == 0 ? "copies" : "links", menu, timer.elapsed(), stall.worstMs(), qPrintable(status->text()));
        std::fflush(stdout);
    }

    {
        const QString yearFile = ProgramFolder() + QFileInfo(years.first()).fileName();
        const QString year = QFileInfo(yearFile).completeBaseName();
        QElapsedTimer timer;
        const StallMeter stall;
        timer.start();
        const SummaryRequest request { yearFile, u"01/01/"_s + year, u"31/12/"_s + year, QString() };
        const auto read = ComputeOffWindow<VisitSummary>(
            Windows().avvio(), u"Riepilogo in corso..."_s, [&request] { return ReadVisitSummary(request); });
        std::printf("summary of the whole year: %lld lines, %lld ms, longest stall %lld ms\n",
            read ? static_cast<long long>(read->lines.size()) : -1LL, timer.elapsed(), stall.worstMs());
        std::fflush(stdout);
    }
    {
        QElapsedTimer timer;
        const StallMeter stall;
        timer.start();
        TfrmExpVisite screen;
        screen.setYearFile(ProgramFolder() + QFileInfo(years.last()).fileName());
        screen.show();
        const qint64 filled = timer.elapsed();
        QMetaObject::invokeMethod(screen.findChild<QObject *>(u"cmdEsporta"_s), "clicked");
        std::printf("visit export: grid %lld ms, grid and file %lld ms, longest stall %lld ms, file %lld bytes\n",
            filled, timer.elapsed(), stall.worstMs(), QFileInfo(ProgramFolder() + u"Registro_Visite.xls"_s).size());
    }
    Windows().avvio()->stopDailyBackup();
    DestroyAppWindows();
    return 0;
}
