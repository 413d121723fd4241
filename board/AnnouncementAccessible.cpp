#include "AnnouncementAccessible.h"

#include "board/BoardAccessibility.h"

#include <QLabel>
#include <QWindow>

AnnouncementAccessible::AnnouncementAccessible(QLabel* messageArea) : m_MessageArea(messageArea) {}

QWindow* AnnouncementAccessible::window() const
{
    return m_MessageArea ? m_MessageArea->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AnnouncementAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_MessageArea.data());
}

QString AnnouncementAccessible::text(QAccessible::Text t) const
{
    const auto* board = m_MessageArea ? qobject_cast<const BoardView*>(m_MessageArea->parent()) : nullptr;
    const BoardAccessibility* accessibility = board != nullptr ? BoardAccessibility::of(*board) : nullptr;
    return t == QAccessible::Name && accessibility != nullptr ? accessibility->announcement() : QString();
}

QRect AnnouncementAccessible::rect() const
{
    return m_MessageArea ? QRect(m_MessageArea->mapToGlobal(QPoint(0, 0)), m_MessageArea->size()) : QRect();
}
