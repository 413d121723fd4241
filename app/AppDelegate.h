#pragma once

#include <QMainWindow>

#include <memory>

// Owns the one window and decides how a screen replaces another in it.
class AppDelegate {
public:
    static constexpr int ContentWidth = 800;
    static constexpr int ContentHeight = 600;

    AppDelegate();
    ~AppDelegate();

    // Shows the main menu (no language yet, so English) in the window.
    void applicationDidFinishLaunching();
    void applicationWillTerminate() {}

    QMainWindow* window() const { return m_window.get(); }

    // Makes `screen` the content of the window that holds `current`. The old
    // screen is deleted from the event loop, not at once: the call usually
    // comes from one of its own buttons.
    static void showScreen(QWidget* current, QWidget* screen);

private:
    std::unique_ptr<QMainWindow> m_window;
};
