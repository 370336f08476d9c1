#include "storage/FileLock.h"

#include "storage/StorageError.h"

#include <QDeadlineTimer>

#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// A lock is held for one write and one flush. A lock left by a crashed copy on this machine is
// taken over at once; one from another machine only once it is clearly older than any holder,
// even on a slow shared folder.
constexpr int LockWaitMs = 12000;
constexpr int StaleLockMs = 10000;
constexpr auto LockRetryPause = std::chrono::milliseconds(2);

} // namespace

FileLock::FileLock(const QString &path)
    : m_lock(path + u".lock"_s)
{
    m_lock.setStaleLockTime(StaleLockMs);
    // Short pauses rather than tryLock's own doubling waits, which can outlast a busy neighbour's gaps.
    const QDeadlineTimer deadline(LockWaitMs);
    while (!m_lock.tryLock(0)) {
        if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            throw StorageError(u"Cannot lock "_s + path);
        std::this_thread::sleep_for(LockRetryPause);
    }
}
