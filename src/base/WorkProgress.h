#pragma once
// How far a long reading work has gone, and whether the operator asked it to stop.
// The worker thread that runs the work makes a WorkProgress current for its own thread; the file
// scans under the work report their bytes to it and stop at the next block once it is cancelled.
// A thread with none current (every test, every short action) reads as it always did.

#include <QtGlobal>

#include <atomic>

// Thrown by a scan whose work was cancelled: nothing of the work may then be shown or written.
struct WorkCancelled
{
};

class WorkProgress
{
public:
    // What the work will do, added as it learns it: bytes of each file it opens, rows it will write.
    void expect(qint64 bytes) { m_total += bytes; }
    void advance(qint64 bytes) { m_done += bytes; }
    qint64 total() const { return m_total; }
    qint64 done() const { return m_done; }
    // Whole thousandths of the work, 0..1000.
    int permille() const;

    void cancel() { m_cancelled = true; }
    // Ready for a new work.
    void reset()
    {
        m_total = 0;
        m_done = 0;
        m_cancelled = false;
    }
    bool cancelled() const { return m_cancelled; }

    // Makes `progress` this thread's current work for the scope's life.
    class Scope
    {
    public:
        explicit Scope(WorkProgress &progress);
        ~Scope();
        Q_DISABLE_COPY_MOVE(Scope)

    private:
        WorkProgress *m_previous;
    };

    // The current work of this thread expects `amount` more bytes read or rows written.
    static void expectRead(qint64 amount);
    // `amount` were read or written; throws WorkCancelled when the current work was cancelled.
    static void read(qint64 amount);

private:
    std::atomic<qint64> m_total { 0 };
    std::atomic<qint64> m_done { 0 };
    std::atomic<bool> m_cancelled { false };
};
