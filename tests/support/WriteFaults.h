#pragma once
// Makes one chosen step of a save fail, or the disk fill up, for the files under one folder, so a
// test can strike every step of an operation in turn: the n-th write, fsync, fdatasync, rename,
// link, truncate or close of a file in the folder fails as a failing disk would make it fail.
//
// Linux only: this helper defines those libc functions in the test program, which then take the
// place of the C library's for every caller (Qt included), and forwards to the real ones while
// unarmed. The folder is checked through /proc/self/fd, so files elsewhere are never touched.

#include <QByteArray>
#include <QString>

#include <functional>

class WriteFaults
{
public:
    // Counts the operations on files under `folder` from now on; nothing fails until armed.
    explicit WriteFaults(const QString &folder);
    // Disarms: every operation works again.
    ~WriteFaults();
    WriteFaults(const WriteFaults &) = delete;
    WriteFaults &operator=(const WriteFaults &) = delete;

    // The n-th operation from now (1-based) fails, once: nothing of a failed write reaches the
    // file, a failed close still releases its handle. Counting starts again from zero.
    void failAt(int n);
    // From now, writes that make the folder's files longer stop once they have added `bytes` in all:
    // the write that crosses the limit writes what still fits, the next fails with "no space".
    void fillDiskAfter(long long bytes);

    // Operations counted since the last failAt or fillDiskAfter.
    int operations() const;
    // Whether a fault struck since then, and the name of the first operation it struck ("write").
    bool struck() const;
    QString struckOperation() const;

    // False where interposing the C library cannot work (a static libc); tests skip then.
    static bool available();

private:
    QByteArray m_folder;
};

// One run of an operation with one fault point armed.
struct FaultRun
{
    int point = 0; // the operation made to fail (failAt), or the bytes that fit (fillDiskAfter)
    bool struck = false; // false: the operation ran to its end without meeting the fault
    QString operation; // what was struck
};

// Strikes every step of an operation in turn: for n = 1, 2, ... `prepare` sets the scene, the n-th
// operation under `folder` is made to fail while `attempt` runs, and `check` judges the result;
// stops after the first run the fault did not reach (the operation then succeeded) and returns how
// many fault points were tried, that last clean run not counted. `check` uses QTest macros; a
// failed check stops the loop.
int StrikeEveryStep(const QString &folder, const std::function<void()> &prepare, const std::function<void()> &attempt,
    const std::function<void(const FaultRun &)> &check);

// The same with a disk that fills up after 0, step, 2 step, ... bytes of growth, until the
// operation succeeds.
int FillDiskAtEveryStep(const QString &folder, long long step, const std::function<void()> &prepare,
    const std::function<void()> &attempt, const std::function<void(const FaultRun &)> &check);
