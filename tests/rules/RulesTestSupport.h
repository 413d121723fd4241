#pragma once

#include "rules/GTPGoGame.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <string>
#include <vector>

using Points = std::vector<GTPGoPoint>;

// Readable points in test failures.
inline void PrintTo(const GTPGoPoint& p, std::ostream* out) { *out << '(' << p.X() << ", " << p.Y() << ')'; }

inline GTPGoMove black(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorBlack, {x, y}); }
inline GTPGoMove white(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorWhite, {x, y}); }

// Stones from a picture of the board's lower-left corner: rows from top to
// bottom (the last row is Y = 1), columns from X = 1. 'X' is black, 'O'
// white, anything else empty; spaces are ignored.
inline GTPGoBoard::StoneMap stonesFromDiagram(const std::vector<std::string>& rows)
{
    GTPGoBoard::StoneMap stones;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        std::int32_t x = 0;
        for (const char c : rows[row]) {
            x += c == ' ' ? 0 : 1;
            if (c == 'X' || c == 'O') {
                const GTPGoColor color = c == 'X' ? GTPGoColorBlack : GTPGoColorWhite;
                stones[{x, static_cast<std::int32_t>(rows.size() - row)}] = static_cast<std::int32_t>(color);
            }
        }
    }
    return stones;
}

// A 9x9 game, 600 s main time, with these stones on the board; time stands still.
inline GTPGoGame gameOn(const std::vector<std::string>& diagram)
{
    GTPGoGame game(GTPGoGameInfo(0, 600), [] { return 0.0; });
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

// What a take back must restore: the stones, the ko point, the side to move and the turns.
inline auto stateOf(const GTPGoGame& game)
{
    return std::tuple(game.Board().Stones(), game.KoPoint(), game.ColorToMove(), game.Turns().size());
}
