#pragma once

#include <QObject>
#include <QPointF>

class QMainWindow;
class QMouseEvent;
class QWidget;

// Keeps a click from acting on a screen it did not begin on. When the first
// click of a double click replaces the screen (Play, a menu button), the second
// click lands on the next screen, where it would play a stone or move a
// slider: a press that comes within the double-click time and distance of a
// release made on another screen is dropped, with the rest of its click.
class ScreenClickGuard : public QObject {
public:
    explicit ScreenClickGuard(QMainWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isSecondClickOnANewScreen(const QMouseEvent& press) const;


    QMainWindow* m_Window;
    // Compared, never used: the old screen is deleted soon after it is replaced.
    const QWidget* m_ScreenOfLastRelease = nullptr;
    quint64 m_LastReleaseTime = 0;
    QPointF m_LastReleasePosition;
    bool m_Dropping = false;
};
