#pragma once

#include "rules/GTPGoPoint.h"

#include <QObject>

#include <functional>

#include <optional>

class BoardView;
class QWidget;

// Play without a mouse: a cursor over the board, shown at the first arrow or
// board letter, that the arrows move (in review they step through the moves,
// as ever), a typed coordinate places ("e" then "5": E5, the board's own
// letters) and Enter plays at; Escape hides it. Its keys live on the game's
// screen and go with it.
class BoardKeyboard : public QObject {
    Q_OBJECT
public:
    BoardKeyboard(BoardView& board, QWidget& screen);

    void move(int columns, int rows);
    void typeColumn(int column);
    void typeRow(int row);
    void play();
    void hide();
    const std::optional<GTPGoPoint>& cursor() const { return m_Cursor; }

signals:
    // The cursor moved to this point, or was hidden (nothing).
    void CursorMoved(const std::optional<GTPGoPoint>& point);

private:
    void addKey(const QKeySequence& key, std::function<void()> action);
    void show(const GTPGoPoint& point);

    BoardView& m_Board;
    QWidget& m_Screen;
    std::optional<GTPGoPoint> m_Cursor;
};
