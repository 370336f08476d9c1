#include "widgets/OffWindowWork.h"

#include "base/WorkProgress.h"
#include "widgets/Look.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QSemaphore>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

using namespace Qt::StringLiterals;

namespace {

constexpr int ShowAfterMs = 300;
// A work this short ends before the window could show anything of it: it is waited for, with no
// event handled meanwhile, as if it ran on the window's thread.
constexpr int WaitQuietlyMs = 30;
constexpr int BarStepMs = 50;

int running = 0;

// Until the dialog shows, the window repaints but takes no clicks or keys: they wait, and once
// the modal dialog is up they can no longer start a second action under the first.
void waitWithProgress(QWidget *parent, const QString &caption, WorkProgress &progress,
    const QFutureWatcher<void> &watcher, QEventLoop &loop)
{
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QObject::connect(&showTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    showTimer.start(ShowAfterMs);
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (watcher.isFinished())
        return;

    QProgressDialog dialog(caption, u"Annulla"_s, 0, 1000, parent);
    dialog.setObjectName(u"dlgAvanzamento"_s);
    dialog.setWindowTitle(u" Portavel"_s);
    dialog.setFont(VerdanaFont(9));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumWidth(360);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&progress] { progress.cancel(); });
    QTimer bar;
    QObject::connect(&bar, &QTimer::timeout, &dialog, [&] { dialog.setValue(progress.permille()); });
    bar.start(BarStepMs);
    dialog.setValue(progress.permille());
    dialog.show();
    if (!watcher.isFinished())
        loop.exec();
}

} // namespace

bool OffWindowWorkRunning()
{
    return running > 0;
}

bool RunOffWindow(QWidget *parent, const QString &caption, const std::function<void()> &work)
{
    struct Running
    {
        Running() { ++running; }
        ~Running() { --running; }
        Q_DISABLE_COPY_MOVE(Running)
    } const mark;

    WorkProgress progress;
    std::exception_ptr failure;
    bool cancelled = false;
    QSemaphore ended;
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([&] {
        const WorkProgress::Scope scope(progress);
        try {
            work();
        } catch (const WorkCancelled &) {
            cancelled = true;
        } catch (...) {
            failure = std::current_exception();
        }
        ended.release();
    }));

    if (!ended.tryAcquire(1, WaitQuietlyMs))
        waitWithProgress(parent, caption, progress, watcher, loop);
    watcher.waitForFinished();
    if (failure && !progress.cancelled())
        std::rethrow_exception(failure);
    return !cancelled && !progress.cancelled();
}
