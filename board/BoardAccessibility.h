#pragma once

#include "board/BoardView.h"
#include "rules/GTPGoPoint.h"

#include <QAccessible>
#include <QObject>
#include <QString>

#include <cstddef>
#include <optional>

// The board for a screen reader, beside the board screen: Qt's accessibility
// finds the board and its info column through the interfaces this installs
// (BoardAccessible, BoardPointAccessible, InfoFieldAccessible), and this
// follows the game to tell the reader. The keyboard's cursor carries the
// accessibility focus; after each event (a move, a capture, a pass, a refused
// move, review, a take back, the result) the focused point, or without a
// cursor the board, is described by the event's words, and the message area's
// notification shows them, which a reader speaks at once.
class BoardAccessibility : public QObject {
    Q_OBJECT
public:
    static constexpr int Size = 9;

    // Once, before the first board is made: an interface, once made, stays.
    static void installFactory();
    // The board's companion, if it has one.
    static const BoardAccessibility* of(const BoardView& board);

    explicit BoardAccessibility(BoardView& board);

    const std::optional<GTPGoPoint>& cursor() const { return m_Cursor; }
    // The words of the last event, until the cursor moves.
    const QString& announcement() const { return m_Announcement; }

    // The keyboard's cursor moved there, or was hidden (nothing).
    void setCursor(const std::optional<GTPGoPoint>& point);

private:
    void playChanged();
    // After any event: the points renamed, and the event's words (if any) said.
    void heard(const QString& words);
    // The focused point's (or the board's) description, and the message area's notification.
    void announce(const QString& words);
    // The message area's text, as one line.
    QString message() const;
    // The event for the point's cell, or for the board itself; only while a reader listens.
    void send(QAccessible::Event type, const std::optional<GTPGoPoint>& point);
    // Name changes for the points whose stone came or went.
    void renameChangedPoints();

    BoardView& m_Board;
    std::optional<GTPGoPoint> m_Cursor;
    QString m_Announcement;
    std::size_t m_TurnsHeard = 0;
    bool m_WasReviewing = false;
    QString m_MessageHeard;
    BoardView::StoneMap m_StonesNamed;
};
