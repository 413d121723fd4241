#include "BoardAccessible.h"

#include "board/BoardAccessibility.h"
#include "board/BoardPointAccessible.h"
#include "board/BoardSpeech.h"
#include "board/BoardView.h"

namespace {
constexpr int kSize = BoardAccessibility::Size;
constexpr int kPoints = kSize * kSize;
}

BoardAccessible::BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Table)
{
    for (int index = 0; index < kPoints; ++index) {
        const GTPGoPoint point(index % kSize + 1, kSize - index / kSize);
        m_Points.push_back(QAccessible::registerAccessibleInterface(new BoardPointAccessible(board, point)));
    }
}

BoardAccessible::~BoardAccessible()
{
    for (const QAccessible::Id id : m_Points) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

BoardView* BoardAccessible::board() const
{
    return static_cast<BoardView*>(widget());
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    const BoardAccessibility* accessibility = BoardAccessibility::of(*board());
    if (t == QAccessible::Name) {
        return BoardSpeech::boardName();
    }
    if (t == QAccessible::Description && accessibility != nullptr && !accessibility->cursor()) {
        return accessibility->announcement();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State BoardAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // Its keys are the screen's, wherever Qt's focus is.
    state.focusable = true;
    return state;
}

int BoardAccessible::childCount() const
{
    return kPoints + QAccessibleWidget::childCount();
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0) {
        return nullptr;
    }
    return index < kPoints ? QAccessible::accessibleInterface(m_Points[index])
                           : QAccessibleWidget::child(index - kPoints);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (const auto* point = dynamic_cast<const BoardPointAccessible*>(child)) {
        const int index = point->rowIndex() * kSize + point->columnIndex();
        return QAccessible::accessibleInterface(m_Points[index]) == child ? index : -1;
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : kPoints + widgetIndex;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* found = child(index);
        if (found != nullptr && found->rect().contains(x, y)) {
            return found;
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    const BoardAccessibility* accessibility = BoardAccessibility::of(*board());
    if (accessibility == nullptr || !accessibility->cursor()) {
        return QAccessibleWidget::focusChild();
    }
    const GTPGoPoint& cursor = *accessibility->cursor();
    return cellAt(kSize - cursor.Y(), cursor.X() - 1);
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= kSize || column < 0 || column >= kSize) {
        return nullptr;
    }
    return QAccessible::accessibleInterface(m_Points[row * kSize + column]);
}

QString BoardAccessible::columnDescription(int column) const
{
    return BoardSpeech::point(GTPGoPoint(column + 1, 1)).left(1);
}

QString BoardAccessible::rowDescription(int row) const
{
    return QString::number(kSize - row);
}

int BoardAccessible::columnCount() const
{
    return kSize;
}

int BoardAccessible::rowCount() const
{
    return kSize;
}
