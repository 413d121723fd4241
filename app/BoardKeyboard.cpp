#include "BoardKeyboard.h"

#include "board/BoardView.h"

#include <QAction>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int kBoardSize = 9;
// The centre, where a cursor first appears.
constexpr int kCentre = 5;
const QColor kCursorColor(200, 0, 200);
}

BoardKeyboard::BoardKeyboard(BoardView& board, QWidget& screen) : QObject(&screen), m_Board(board), m_Screen(screen)
{
    // Outside review the arrows move the cursor; in review Left and Right step, as their buttons do.
    addKey(Qt::Key_Left, [this] { m_Board.isReviewing() ? m_Board.onBack() : move(-1, 0); });
    addKey(Qt::Key_Right, [this] { m_Board.isReviewing() ? m_Board.onNext() : move(1, 0); });
    addKey(Qt::Key_Up, [this] { move(0, 1); });
    addKey(Qt::Key_Down, [this] { move(0, -1); });
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        addKey(enter, [this] { play(); });
    }
    addKey(Qt::Key_Escape, [this] { hide(); });
    for (int i = 0; i < kBoardSize; ++i) {
        addKey(static_cast<Qt::Key>(Qt::Key_A + i), [this, i] { typeColumn(i + 1); });
        addKey(static_cast<Qt::Key>(Qt::Key_1 + i), [this, i] { typeRow(i + 1); });
    }
    connect(&m_Board, &BoardView::PlayChanged, this, [this] {
        // Stepping through review is the arrows' other duty: the cursor leaves the board to it.
        if (m_Board.isReviewing()) {
            hide();
        }
    });
}

void BoardKeyboard::addKey(const QKeySequence& key, std::function<void()> action)
{
    auto* shortcut = new QAction(&m_Screen);
    shortcut->setShortcut(key);
    connect(shortcut, &QAction::triggered, this, std::move(action));
    m_Screen.addAction(shortcut);
}

void BoardKeyboard::show(const GTPGoPoint& point)
{
    m_Cursor = GTPGoPoint(std::clamp(point.X(), 1, kBoardSize), std::clamp(point.Y(), 1, kBoardSize));
    BoardOverlay overlay;
    overlay.Frames.push_back({*m_Cursor, kCursorColor});
    m_Board.setOverlay(BoardOverlay::Layer::Cursor, std::move(overlay));
    emit CursorMoved(m_Cursor);
}

void BoardKeyboard::move(int columns, int rows)
{
    if (m_Board.isReviewing()) {
        return;
    }
    show(m_Cursor ? GTPGoPoint(m_Cursor->X() + columns, m_Cursor->Y() + rows) : GTPGoPoint(kCentre, kCentre));
}

void BoardKeyboard::typeColumn(int column)
{
    show(GTPGoPoint(column, m_Cursor ? m_Cursor->Y() : kCentre));
}

void BoardKeyboard::typeRow(int row)
{
    show(GTPGoPoint(m_Cursor ? m_Cursor->X() : kCentre, row));
}

void BoardKeyboard::play()
{
    if (m_Cursor && !m_Board.isReviewing()) {
        m_Board.playAtPoint(*m_Cursor);
    }
}

void BoardKeyboard::hide()
{
    if (m_Cursor) {
        m_Cursor.reset();
        m_Board.setOverlay(BoardOverlay::Layer::Cursor, {});
        emit CursorMoved(m_Cursor);
    }
}
