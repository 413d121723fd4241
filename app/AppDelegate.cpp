#include "AppDelegate.h"

#include "app/MainMenuViewController.h"
#include "app/ScreenClickGuard.h"
#include "rules/Log.h"

#include <QAction>
#include <QKeySequence>

AppDelegate::AppDelegate() : m_window(std::make_unique<QMainWindow>())
{
    m_window->setWindowTitle(QStringLiteral("hoshi"));
    // No menu bar or status bar: the central widget is exactly the content.
    m_window->setFixedSize(ContentWidth, ContentHeight);

    auto* quit = new QAction(m_window.get());
    quit->setShortcut(QKeySequence::Quit);
    QObject::connect(quit, &QAction::triggered, m_window.get(), &QMainWindow::close);
    m_window->addAction(quit);
    new ScreenClickGuard(m_window.get());
}

// The window goes first, taking the current screen and its engine with it.
AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    m_window->setCentralWidget(new MainMenuViewController());
}

void AppDelegate::showScreen(QWidget* current, QWidget* screen)
{
    auto* window = qobject_cast<QMainWindow*>(current->window());
    if (window == nullptr || window->centralWidget() != current) {
        Log::write("A screen asked to be replaced but is not the window's content!");
        delete screen;
        return;
    }
    // Qt 6 hides the old central widget and deletes it later, still parented
    // to the window, so a button handler of the old screen can return safely.
    window->setCentralWidget(screen);
}
