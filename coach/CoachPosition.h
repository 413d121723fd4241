#pragma once

#include "rules/GTPGoColor.h"
#include "rules/GTPGoMove.h"

#include <vector>

// A position of one game for the coach: the moves that lead to it and the side to move.
struct CoachPosition {
    std::vector<GTPGoMove> Moves;
    GTPGoColor ToMove = GTPGoColorBlack;

    bool operator==(const CoachPosition& other) const = default;
};
