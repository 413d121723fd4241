#include "app/AppDelegate.h"
#include "app/TerminationSignals.h"
#include "app/WindowDestroyWatcher.h"
#include "engine/GTPEngineReaper.h"
#include "engine/HoshiLogCategory.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hoshi"));
    // Lets a desktop match the window to hoshi.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("hoshi"));
    routeLogToQt();

    int result = 0;
    {
        // Inside the application's lifetime, so that the window, its screen and
        // the engine go away while Qt is still up.
        AppDelegate delegate;
        TerminationSignals terminationSignals;
        // A logout or Ctrl+C in a terminal quits the way Ctrl+Q does.
        QObject::connect(&terminationSignals, &TerminationSignals::received, delegate.window(), &QMainWindow::close);
        const WindowDestroyWatcher watcher(*delegate.window(), [] { QCoreApplication::quit(); });
        delegate.applicationDidFinishLaunching();
        delegate.window()->show();
        result = QApplication::exec();
        delegate.applicationWillTerminate();
    }
    // The last game's engine has been let go of; no engine outlives hoshi.
    GTPEngineReaper::instance().reapAll();
    return result;
}
