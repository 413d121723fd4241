#pragma once

#include "rules/GTPGoGame.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

using Points = std::vector<GTPGoPoint>;

// Readable points in test failures.
inline void PrintTo(const GTPGoPoint& point, std::ostream* out) { *out << "(" << point.X() << ", " << point.Y() << ")"; }

inline GTPGoMove black(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorBlack, {x, y}); }
inline GTPGoMove white(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorWhite, {x, y}); }

// Stones from a picture of the board's lower-left corner: rows from top to
// bottom (the last row is Y = 1), columns from X = 1. 'X' is black, 'O'
// white, '.' empty; spaces are ignored.
inline GTPGoBoard::StoneMap stonesFromDiagram(const std::vector<std::string>& rows)
{
    GTPGoBoard::StoneMap stones;
    std::int32_t y = static_cast<std::int32_t>(rows.size());
    for (const std::string& row : rows) {
        std::int32_t x = 1;
        for (const char c : row) {
            if (c == 'X' || c == 'O') {
                stones[{x, y}] = static_cast<std::int32_t>(c == 'X' ? GTPGoColorBlack : GTPGoColorWhite);
            } else if (c != '.' && c != ' ') {
                throw std::invalid_argument("unknown diagram character in: " + row);
            }
            x += c == ' ' ? 0 : 1;
        }
        --y;
    }
    return stones;
}

// A 9x9 game, 600 s main time, with these stones on the board; by default time stands still.
inline GTPGoGame gameOn(const std::vector<std::string>& diagram, GTPGoClock::TimeSource now = [] { return 0.0; })
{
    GTPGoGame game(GTPGoGameInfo(0, 600), std::move(now));
    game.Board().setStones(stonesFromDiagram(diagram));
    return game;
}

// Plays a move; the refusal code, GTPGoMessageNone when accepted.
inline GTPGoMoveMessage play(GTPGoGame& game, const GTPGoMove& move)
{
    GTPGoMoveMessage message = GTPGoMessageNone;
    const bool accepted = game.playMove(move, message);
    EXPECT_EQ(accepted, message == GTPGoMessageNone);
    return message;
}
