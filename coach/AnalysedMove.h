#pragma once

#include "coach/MoveReason.h"
#include "rules/GTPGoMove.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One move of an analysed game: the lead it left and what it cost.
struct AnalysedMove {
    // A move that lost this much or more is a mistake worth a word; then a big one.
    static constexpr double Mistake = 3;
    static constexpr double BigMistake = 8;

    GTPGoMove Played = GTPGoMove::pass(GTPGoColorBlack);
    // Black's estimated lead once the move is played, in points.
    double Lead = 0;
    // Points lost against the best move of the position; 0 for the best move.
    double Loss = 0;
    // The best move, when it is another one.
    std::optional<GTPGoPoint> Better;
    // Why the better move is good.
    std::vector<MoveReason> Reasons;
    // Why the move was a mistake, in words ("" for none); kept in the game's file.
    std::string Sentence;

    // 0, 1 for a mistake, 2 for a big one.
    std::int32_t severity() const { return Loss >= BigMistake ? 2 : Loss >= Mistake ? 1 : 0; }
};
