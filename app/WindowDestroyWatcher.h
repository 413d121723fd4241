#pragma once

#include <QAbstractNativeEventFilter>
#include <QWidget>

#include <functional>

// Calls back when the X server destroys the window from outside (for example
// `xdotool windowclose`), which Qt itself does not report: hoshi must not go
// on running, engine and all, without a window.
class WindowDestroyWatcher : public QAbstractNativeEventFilter {
public:
    WindowDestroyWatcher(const QWidget& window, std::function<void()> onDestroyed);
    ~WindowDestroyWatcher() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& m_Window;
    std::function<void()> m_OnDestroyed;
};
