#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QLabel;

// The words of the board's last event as a notification inside the message
// area, shown anew at each event. A reader speaks a notification as it shows,
// wherever its focus is; within a status bar it says the words alone.
class AnnouncementAccessible : public QAccessibleInterface {
public:
    explicit AnnouncementAccessible(QLabel* messageArea);

    bool isValid() const override { return !m_MessageArea.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QLabel> m_MessageArea;
};
