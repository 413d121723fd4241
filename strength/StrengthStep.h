#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One step of the opponent's strength: how GNU Go is started and how it is
// asked for a move. A weak step asks GNU Go for its ranked candidates and
// plays, with probability WeakProbability, one that loses up to LossLimit
// points against the best; the others ask "genmove".
struct StrengthStep {
    // Kept in the settings: never renamed.
    std::string_view Id;
    // English; the application translates it.
    std::string_view Name;
    std::int32_t Level = 1;
    double LossLimit = 0;
    double WeakProbability = 0;

    bool isWeak() const { return WeakProbability > 0; }
    // What GNU Go's command line needs for this step: "--level N".
    std::vector<std::string> arguments() const;
};
