#include "app/AppDelegate.h"
#include "engine/HoshiLogCategory.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hoshi"));
    // Lets a desktop match the window to hoshi.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("hoshi"));
    routeLogToQt();

    // Declared after the application so that the window, its screen and the
    // engine go away while Qt is still up.
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
    const int result = QApplication::exec();
    delegate.applicationWillTerminate();
    return result;
}
