#pragma once

#include "coach/CandidateMove.h"
#include "rules/GTPGoBoard.h"
#include "rules/GTPGoMove.h"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// Plays below GNU Go's strength on purpose: given its candidates, with
// probability p the legal move GNU Go values least among those at most L
// points below its best, else the best. Never an illegal move; a pass only
// when GNU Go's best is a pass or none of its candidates is legal. The same
// seed and candidates give the same moves.
class WeakMovePicker {
public:
    WeakMovePicker(double lossLimit, double probability, std::uint64_t seed);

    // The move for color on this board, where koPoint may not be retaken.
    GTPGoMove pick(const std::vector<CandidateMove>& candidates, GTPGoColor color, const GTPGoBoard& board,
                   const std::optional<GTPGoPoint>& koPoint);
    // Simple ko, occupied points and suicide: the rules' own questions.
    static bool isLegal(const GTPGoMove& move, const GTPGoBoard& board, const std::optional<GTPGoPoint>& koPoint);

private:
    // Evenly in [0, 1): written out so that every standard library draws the same.
    double draw();

    double m_LossLimit;
    double m_Probability;
    std::mt19937_64 m_Random;
};
