#pragma once

#include "coach/CandidateMove.h"
#include "coach/CoachPosition.h"
#include "coach/GnuGoAnswers.h"
#include "coach/MoveReason.h"

#include <optional>
#include <vector>

// What the coach says of a position: its best moves, best first.
struct CoachHint {
    CoachPosition Position;
    std::vector<CandidateMove> Moves;
};

// Who is expected to own each point, and Black's estimated lead in points.
struct CoachTerritory {
    CoachPosition Position;
    GnuGoAnswers::Ownership Owners;
    std::optional<double> Lead;
};

// One move judged against the best move of the position before it.
struct CoachComment {
    CoachPosition Before;
    GTPGoMove Played;
    // Points the move lost against the best one; never below 0.
    double Loss = 0;
    std::optional<CandidateMove> Best;
    // Why the best move is good.
    std::vector<MoveReason> Reasons;
    // When the move leaves its own stones in atari: where they can be captured.
    std::optional<GTPGoPoint> CapturedAt;
};
