#pragma once

#include "app/AppDelegate.h"
#include "app/BoardViewController.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QtPrinters.h"
#include "translations/Translations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The window's current screen as the given controller type, after the screens
// that were replaced have really been deleted.
template <typename Controller>
Controller* currentScreen(const AppDelegate& delegate)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qobject_cast<Controller*>(delegate.window()->centralWidget());
}

// The application as it starts, against the fake engine recording what it receives.
class App {
public:
    // A fresh profile unless told to keep the last one.
    explicit App(bool freshProfile = true) : m_Fresh(freshProfile && forgetProfile())
    {
        qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --record " + record().toUtf8());
        qputenv("HOSHI_ENGINE_NAME", "Pachi");
        delegate.applicationDidFinishLaunching();
        delegate.window()->show();
        // Shortcuts of the window reach it only while it is active.
        EXPECT_TRUE(QTest::qWaitForWindowActive(delegate.window()));
    }
    ~App()
    {
        qunsetenv("HOSHI_ENGINE");
        qunsetenv("HOSHI_ENGINE_NAME");
    }

    template <typename Controller>
    Controller* screen() const
    {
        return currentScreen<Controller>(delegate);
    }
    void click(QPushButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    QString record() const { return m_Dir.filePath("engine.txt"); }
    QStringList received() const
    {
        QFile file(record());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }

private:
    static bool forgetProfile()
    {
        QSettings(QStringLiteral("hoshi"), QStringLiteral("hoshi")).clear();
        return true;
    }

    bool m_Fresh;

public:
    AppDelegate delegate;

private:
    QTemporaryDir m_Dir;
};
