#pragma once

#include "coach/CandidateMove.h"

#include <optional>
#include <vector>

// The points a move lost by GNU Go's own valuation of the position before it:
// the best value minus the move's own. GNU Go leaves out the moves it finds
// not worth a look: such a move counts as worth the least move it does value
// (on an empty board every move is worth some 74 points, an edge move too);
// a pass is worth nothing.
class MoveLoss {
public:
    // The move's value among these candidates, if they hold it.
    static std::optional<double> valueOf(const std::vector<CandidateMove>& candidates,
                                         const std::optional<GTPGoPoint>& played);
    // Best value minus the played move's (the least value when not among them).
    static double loss(const std::vector<CandidateMove>& candidates, const std::optional<GTPGoPoint>& played);
};
