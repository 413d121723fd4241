#include "app/AppDelegate.h"
#include "app/TerminationSignals.h"
#include "app/WindowDestroyWatcher.h"
#include "engine/GTPEngineReaper.h"
#include "engine/HoshiLogCategory.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("hoshi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HOSHI_VERSION));
    // Read before the window system is reached, so that --help works without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A game of Go on a 9 x 9 board against GNU Go or a second player."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A game to open (SGF)."),
                                 QStringLiteral("[file.sgf]"));
    // Qt's own options are known here so as to reach the QApplication, which reads them.
    for (const char* qtOption : {"platform", "display", "style", "geometry", "qwindowgeometry"}) {
        QCommandLineOption option(QString::fromLatin1(qtOption), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "hoshi: %s\nTry 'hoshi --help'.\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        // There is no application object yet to name the program.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("hoshi"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("hoshi %s\n", HOSHI_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    // Lets a desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.hoshi"));
    routeLogToQt();

    int result = 0;
    {
        // Inside the application's lifetime, so that the window, its screen and
        // the engine go away while Qt is still up.
        AppDelegate delegate;
        TerminationSignals terminationSignals;
        // A logout or Ctrl+C in a terminal quits, whatever dialog is open.
        QObject::connect(&terminationSignals, &TerminationSignals::received, &delegate, &AppDelegate::terminate);
        const WindowDestroyWatcher watcher(*delegate.window(), [] { QCoreApplication::quit(); });
        delegate.applicationDidFinishLaunching();
        delegate.window()->show();
        if (!parser.positionalArguments().isEmpty()) {
            // From the event loop, so that a signal that arrives while its dialogs are open still quits.
            QTimer::singleShot(0, &delegate, [&delegate, file = parser.positionalArguments().constFirst()] {
                delegate.openGame(file);
            });
        }
        result = QApplication::exec();
        delegate.applicationWillTerminate();
    }
    // The last game's engine has been let go of; no engine outlives hoshi.
    GTPEngineReaper::instance().reapAll();
    return result;
}
