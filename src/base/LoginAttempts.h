#pragma once
// This desk's memory, for this run only, of failed logins: guessing passwords at the login is
// slowed down without ever locking a name out for good.

#include <QString>

// Consecutive failed logins per name (trimmed, case ignored). After 5 consecutive failures for a name, that name is
// locked for 60 seconds from the 5th failure (Clock::now()), whatever the password; when the 60 s are over the count
// starts again from 0. A success clears the name.
class LoginAttempts
{
public:
    static bool isLocked(const QString &name);
    static void failed(const QString &name);
    static void succeeded(const QString &name);
    static void clear(); // tests
};
