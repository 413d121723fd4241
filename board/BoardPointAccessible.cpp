#include "BoardPointAccessible.h"

#include "board/BoardAccessibility.h"
#include "board/BoardSpeech.h"
#include "board/BoardView.h"

#include <QWidget>
#include <QWindow>

BoardPointAccessible::BoardPointAccessible(BoardView* board, const GTPGoPoint& point)
    : m_Board(board), m_Point(point)
{
}

bool BoardPointAccessible::isValid() const
{
    return !m_Board.isNull();
}

QWindow* BoardPointAccessible::window() const
{
    return m_Board ? m_Board->window()->windowHandle() : nullptr;
}

QAccessibleInterface* BoardPointAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_Board.data());
}

QString BoardPointAccessible::text(QAccessible::Text t) const
{
    if (!m_Board) {
        return {};
    }
    if (t == QAccessible::Name) {
        const BoardView::StoneMap stones = m_Board->shownStones();
        const auto shown = stones.find(GoBoardPoint(m_Point.X() - 1, m_Point.Y() - 1));
        return BoardSpeech::pointName(m_Point, shown != stones.end() ? shown->second : GTPGoColorEmpty);
    }
    const BoardAccessibility* accessibility = BoardAccessibility::of(*m_Board);
    if (t == QAccessible::Description && accessibility != nullptr && accessibility->cursor() == m_Point) {
        return accessibility->announcement();
    }
    return {};
}

QRect BoardPointAccessible::rect() const
{
    if (!m_Board) {
        return {};
    }
    // A grid spacing square around the intersection, in screen coordinates (y down).
    const float spacing = m_Board->getPosX(1) - m_Board->getPosX(0);
    const QPointF centre(m_Board->getPosX(static_cast<float>(m_Point.X() - 1)),
                         m_Board->height() - m_Board->getPosY(static_cast<float>(m_Point.Y() - 1)));
    QRect square(0, 0, qRound(spacing), qRound(spacing));
    square.moveCenter(m_Board->mapToGlobal(centre.toPoint()));
    return square;
}

QAccessible::State BoardPointAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    const BoardAccessibility* accessibility = m_Board ? BoardAccessibility::of(*m_Board) : nullptr;
    state.focused = accessibility != nullptr && accessibility->cursor() == m_Point;
    state.invisible = !m_Board || !m_Board->isVisible();
    return state;
}

void* BoardPointAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

int BoardPointAccessible::columnIndex() const
{
    return m_Point.X() - 1;
}

int BoardPointAccessible::rowIndex() const
{
    // The table reads as the board is drawn, row 9 first.
    return BoardAccessibility::Size - m_Point.Y();
}
