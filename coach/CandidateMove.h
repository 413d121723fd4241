#pragma once

#include "rules/GTPGoPoint.h"

#include <optional>

// One move GNU Go would consider, with the value it gives the move (about
// points of territory and captures; its own scale, not a score).
struct CandidateMove {
    std::optional<GTPGoPoint> Point; // absent for a pass
    double Value = 0;

    bool operator==(const CandidateMove& other) const = default;
};
