#include "WindowDestroyWatcher.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstring>

namespace {
// The layout of xcb_destroy_notify_event_t, kept here so that no XCB headers are needed.
struct XcbDestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t XcbDestroyNotifyType = 17;
// Set in the response type of events sent by another client.
constexpr std::uint8_t XcbSentEventBit = 0x80;
}

WindowDestroyWatcher::WindowDestroyWatcher(const QWidget& window, std::function<void()> onDestroyed)
    : m_Window(window), m_OnDestroyed(std::move(onDestroyed))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDestroyWatcher::~WindowDestroyWatcher()
{
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool WindowDestroyWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (eventType != "xcb_generic_event_t" || message == nullptr) {
        return false;
    }
    XcbDestroyNotify event;
    std::memcpy(&event, message, sizeof event);
    if ((event.responseType & ~XcbSentEventBit) == XcbDestroyNotifyType && m_Window.internalWinId() != 0
        && event.window == static_cast<std::uint32_t>(m_Window.internalWinId())) {
        m_OnDestroyed();
    }
    return false;
}
