#pragma once
// The screens as start-up creates them, on a fresh temporary program folder and a fixed clock, with
// every message recorded, for the life of the object; undone in reverse order. A test that drives
// windows keeps one per test function: emplace it in init(), reset it in cleanup().

#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "app/AppWindows.h"
#include "base/Clock.h"
#include "base/LoginAttempts.h"
#include "base/Session.h"

#include <QDateTime>

class AppFixture
{
public:
    explicit AppFixture(const QDateTime &now)
    {
        Clock::setFixed(now);
        CreateAppWindows();
    }
    ~AppFixture()
    {
        DestroyAppWindows();
        Session::logOut();
        LoginAttempts::clear();
        Clock::reset();
    }
    AppFixture(const AppFixture &) = delete;
    AppFixture &operator=(const AppFixture &) = delete;

    QString path() const { return m_folder.path(); }
    QString file(const QString &name) const { return m_folder.file(name); }

    // Made before the windows, gone after them.
    MessageRecorder messages;

private:
    TempProgramFolder m_folder; // made before the windows, removed after them
};
