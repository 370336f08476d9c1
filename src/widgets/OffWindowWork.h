#pragma once
// Long reading work off the window's thread. The work runs on a worker thread while the window
// keeps repainting; when it lasts more than 300 ms a modal progress dialog shows what is being
// done, a bar of the bytes read and Annulla, and F12 still prints the roll-call.
// The work only reads: whatever it computes is handed back to the window's thread, where every
// write happens.

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Runs `work` and waits for it with the window's events going on. False when the operator pressed
// Annulla: what the work computed must then be dropped, silently. An exception the work throws is
// thrown again here, on the window's thread.
bool RunOffWindow(QWidget *parent, const QString &caption, const std::function<void()> &work);

// The value `work` returns, or nothing when the operator pressed Annulla.
template<typename Result, typename Work>
std::optional<Result> ComputeOffWindow(QWidget *parent, const QString &caption, Work &&work)
{
    std::optional<Result> result;
    if (!RunOffWindow(parent, caption, [&] { result.emplace(work()); }))
        return std::nullopt;
    return result;
}

// True while a work runs: the roll-call's key works even in its modal progress dialog.
bool OffWindowWorkRunning();
