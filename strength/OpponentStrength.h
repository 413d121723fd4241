#pragma once

#include "StrengthStep.h"

#include <cstdint>
#include <span>
#include <string_view>

// The opponent's strengths, from the weakest step to the strongest. Each step
// loses to the one above it at least 65 % of the time (scripts/level-match.sh
// measures it); the default is plain GNU Go at level 1.
class OpponentStrength {
public:
    static std::span<const StrengthStep> steps();
    static const StrengthStep& defaultStep();
    // The step with this id; nothing for an id no step has (an old or edited setting).
    static const StrengthStep* find(std::string_view id);
    // Steps are also known by their number, 1 the weakest; 0 and numbers past the last are none.
    static const StrengthStep* byNumber(std::int32_t number);
    static std::int32_t numberOf(const StrengthStep& step);
};
