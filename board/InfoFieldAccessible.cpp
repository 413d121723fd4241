#include "InfoFieldAccessible.h"

#include "board/AnnouncementAccessible.h"
#include "board/BoardSpeech.h"

#include <QLabel>

InfoFieldAccessible::InfoFieldAccessible(QLabel* field)
    : QAccessibleWidget(field, QAccessible::StaticText),
      m_Announcement(QAccessible::registerAccessibleInterface(new AnnouncementAccessible(field)))
{
}

InfoFieldAccessible::~InfoFieldAccessible()
{
    QAccessible::deleteAccessibleInterface(m_Announcement);
}

bool InfoFieldAccessible::isMessageArea() const
{
    return widget()->objectName() == QLatin1String("InfoTextField");
}

QAccessibleInterface* InfoFieldAccessible::announcement() const
{
    return isMessageArea() ? QAccessible::accessibleInterface(m_Announcement) : nullptr;
}

QString InfoFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return BoardSpeech::field(widget()->objectName(), static_cast<const QLabel*>(widget())->text());
    }
    return QAccessibleWidget::text(t);
}

QAccessible::Role InfoFieldAccessible::role() const
{
    return isMessageArea() ? QAccessible::StatusBar : QAccessible::StaticText;
}

int InfoFieldAccessible::childCount() const
{
    return isMessageArea() ? 1 : 0;
}

QAccessibleInterface* InfoFieldAccessible::child(int index) const
{
    return index == 0 ? announcement() : nullptr;
}

int InfoFieldAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && child == announcement() ? 0 : -1;
}
