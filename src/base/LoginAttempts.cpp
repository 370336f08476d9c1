#include "base/LoginAttempts.h"

#include "base/Clock.h"

#include <QDateTime>
#include <QHash>

namespace {

constexpr int FailuresBeforeLock = 5;
constexpr qint64 LockSeconds = 60;

struct Attempts
{
    int failures = 0;
    QDateTime lockedAt; // the moment of the failure that locked the name
};

// Set and read on the window's thread only.
QHash<QString, Attempts> attemptsByName;

// Names are typed: the same name with other capitals or blanks around it is the same operator.
QString keyOf(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

// The name's attempts, forgotten once its lock is over.
Attempts *currentAttempts(const QString &key)
{
    const auto found = attemptsByName.find(key);
    if (found == attemptsByName.end())
        return nullptr;
    if (found->failures >= FailuresBeforeLock && found->lockedAt.secsTo(Clock::now()) >= LockSeconds) {
        attemptsByName.erase(found);
        return nullptr;
    }
    return &found.value();
}

} // namespace

bool LoginAttempts::isLocked(const QString &name)
{
    const Attempts *attempts = currentAttempts(keyOf(name));
    return attempts && attempts->failures >= FailuresBeforeLock;
}

void LoginAttempts::failed(const QString &name)
{
    const QString key = keyOf(name);
    Attempts *attempts = currentAttempts(key);
    if (!attempts)
        attempts = &attemptsByName[key];
    // A lock runs from the failure that set it: attempts while locked do not stretch it.
    if (attempts->failures >= FailuresBeforeLock)
        return;
    if (++attempts->failures == FailuresBeforeLock)
        attempts->lockedAt = Clock::now();
}

void LoginAttempts::succeeded(const QString &name)
{
    attemptsByName.remove(keyOf(name));
}

void LoginAttempts::clear()
{
    attemptsByName.clear();
}
