#pragma once

#include "app/AppDelegate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

// The window's current screen as the given controller type, after the screens
// that were replaced have really been deleted.
template <typename Controller>
Controller* currentScreen(const AppDelegate& delegate)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qobject_cast<Controller*>(delegate.window()->centralWidget());
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_old) {
            qputenv(m_name, QByteArray::fromStdString(*m_old));
        } else {
            qunsetenv(m_name);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};
