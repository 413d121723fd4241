#pragma once

#include <QAccessibleWidget>

class QLabel;

// A text field of the board's info column, named by whose it is and what it
// shows ("White's clock: 04:32"). The message area is the screen's status bar
// ("Message: There is already a stone here!"), holding the announcement of the
// last event (AnnouncementAccessible). Made with the label, before it has its
// object name: which field it is, and its name, are looked up when asked, so
// the label's own name-changed event, sent whenever its text changes, stays true.
class InfoFieldAccessible : public QAccessibleWidget {
public:
    explicit InfoFieldAccessible(QLabel* field);
    ~InfoFieldAccessible() override;

    // In the message area, the announcement; nothing in the other fields.
    QAccessibleInterface* announcement() const;

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    bool isMessageArea() const;

    QAccessible::Id m_Announcement;
};
