#include "ScreenClickGuard.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStyleHints>

ScreenClickGuard::ScreenClickGuard(QMainWindow* window) : QObject(window), m_Window(window)
{
    QApplication::instance()->installEventFilter(this);
}

bool ScreenClickGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != m_Window) {
        return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    // Qt turns the second press of a double click into a MouseButtonDblClick.
    if (type != QEvent::MouseButtonRelease && !m_Dropping) {
        m_Dropping = isSecondClickOnANewScreen(mouse);
    }
    if (m_Dropping) {
        if (type == QEvent::MouseButtonRelease) {
            m_Dropping = false;
        }
        return true;
    }
    if (type == QEvent::MouseButtonRelease) {
        // Seen before the widget acts on it, so before any change of screen it causes.
        m_ScreenOfLastRelease = m_Window->centralWidget();
        m_LastReleaseTime = mouse.timestamp();
        m_LastReleasePosition = mouse.globalPosition();
    }
    return false;
}

bool ScreenClickGuard::isSecondClickOnANewScreen(const QMouseEvent& press) const
{
    if (m_ScreenOfLastRelease == nullptr || m_ScreenOfLastRelease == m_Window->centralWidget()) {
        return false;
    }
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF moved = press.globalPosition() - m_LastReleasePosition;
    return press.timestamp() - m_LastReleaseTime <= static_cast<quint64>(hints->mouseDoubleClickInterval())
        && moved.manhattanLength() <= hints->mouseDoubleClickDistance();
}
