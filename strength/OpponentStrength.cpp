#include "OpponentStrength.h"

#include <algorithm>

// lupdate reads the names here for the application's catalogues.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {
// Measured with scripts/level-match.sh; the README has the table. Nothing measured stronger
// than level 1 on 9 x 9 with area rules: level 10 won fewer than half its games against it, and
// the Monte Carlo player with 2000 playouts a level 2 of 7 (with its default budget, a game took
// minutes, too slow to measure here).
constexpr StrengthStep kSteps[] = {
    {"beginner-1", QT_TRANSLATE_NOOP("OpponentStrength", "Beginner 1"), 1, 100, 1},
    {"beginner-2", QT_TRANSLATE_NOOP("OpponentStrength", "Beginner 2"), 1, 30, 0.75},
    {"beginner-3", QT_TRANSLATE_NOOP("OpponentStrength", "Beginner 3"), 1, 15, 0.55},
    {"beginner-4", QT_TRANSLATE_NOOP("OpponentStrength", "Beginner 4"), 1, 6, 0.3},
    {"gnugo-1", QT_TRANSLATE_NOOP("OpponentStrength", "GNU Go"), 1},
};
constexpr std::string_view kDefaultId = "gnugo-1";
}

std::span<const StrengthStep> OpponentStrength::steps()
{
    return kSteps;
}

const StrengthStep& OpponentStrength::defaultStep()
{
    return *find(kDefaultId);
}

const StrengthStep* OpponentStrength::find(std::string_view id)
{
    const auto found = std::ranges::find(kSteps, id, &StrengthStep::Id);
    return found != std::end(kSteps) ? &*found : nullptr;
}

const StrengthStep* OpponentStrength::byNumber(std::int32_t number)
{
    return number >= 1 && number <= static_cast<std::int32_t>(std::size(kSteps)) ? &kSteps[number - 1] : nullptr;
}

std::int32_t OpponentStrength::numberOf(const StrengthStep& step)
{
    return static_cast<std::int32_t>(std::ranges::find(kSteps, step.Id, &StrengthStep::Id) - std::begin(kSteps)) + 1;
}
