#pragma once

#include "app/AppDelegate.h"
#include "app/BoardViewController.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

// The window's current screen as the given controller type, after the screens
// that were replaced have really been deleted.
template <typename Controller>
Controller* currentScreen(const AppDelegate& delegate)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qobject_cast<Controller*>(delegate.window()->centralWidget());
}

// The application as it starts: the window shown on the main menu.
inline void launch(AppDelegate& delegate)
{
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
}

// Engines are ended without blocking the window: this waits for the reaper.
inline bool processIsGone(qint64 pid)
{
    return QTest::qWaitFor([pid] { return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH; }, 5000);
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment() { m_wasSet ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};
