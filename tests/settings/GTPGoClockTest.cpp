#include "settings/GTPGoClock.h"

#include <gtest/gtest.h>

namespace {
constexpr std::int64_t B = 0;
constexpr std::int64_t W = 1;

// Time passes, then a move ('m') or a tick ('t', an update) for one side; what that side's clock shows after it.
struct Step {
    double seconds;
    char action;
    std::int64_t color;
    bool lost;
    double remaining, period;
    std::int32_t periodMoves;
};

// A clock of main time and periods of so many moves; the board screen may then
// change the reference period, which every period after the first copies.
struct Scenario {
    const char* rule;
    std::int32_t mainTime, period, moves, referencePeriod, referenceMoves;
    bool whiteUntimed, canLose;
    std::vector<Step> steps;
};

const Scenario kScenarios[] = {
    {"main time runs down, then a full period starts and is lost a whole second past zero", 10, 5, 1, 5, 1, true, true,
     {{4.5, 't', B, false, 5.5, 5, 0}, {5, 't', B, false, 0.5, 5, 0}, {1, 't', B, false, 5, 5, 1},
      {5.5, 't', B, false, 0, -0.5, 1}, {0.5, 't', B, true, 0, -1, 1}, {0, 't', W, false, 10, 5, 0},
      // White, the human, is untimed: never lost.
      {60, 't', W, false, 5, 5, 1}, {60, 't', W, false, 0, -55, 1}}},
    {"each move uses one of the period's moves; the last starts the reference period", 0, 30, 3, 20, 2, false, true,
     {{4, 'm', B, false, 26, 26, 2}, {6, 'm', B, false, 20, 20, 1}, {1, 'm', B, false, 20, 20, 2},
      {2, 'm', B, false, 18, 18, 1}}},
    {"a move in main time is charged to the period", 60, 30, 1, 30, 1, false, true, {{0.5, 'm', W, false, 60, 29.5, 0}}},
    {"no one loses on a clock that may not lose", 0, 5, 1, 5, 1, false, false,
     {{2, 'm', W, false, 5, 5, 1}, {60, 't', W, false, 0, -55, 1}}},
};
}

TEST(GTPGoClock, main_time_then_periods_then_a_loss_with_an_injected_time_source)
{
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.rule);
        GTPTimeSettings settings(scenario.mainTime);
        settings.setByoYomi(scenario.period);
        settings.setNumberOfMovesPerByoYomi(scenario.moves);
        double now = 1000;
        GTPGoClock clock(settings, [&now] { return now; });
        clock.OriginalTime().setByoYomi(scenario.referencePeriod);
        clock.OriginalTime().setNumberOfMovesPerByoYomi(scenario.referenceMoves);
        clock.setWhiteInfiniteTime(scenario.whiteUntimed);
        clock.setCanLoseOnTime(scenario.canLose);
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            const Step& step = scenario.steps[i];
            SCOPED_TRACE("step " + std::to_string(i));
            now += step.seconds;
            const bool lost = step.action == 'm' ? (clock.onMovePlayed(step.color), false) : clock.update(step.color);
            EXPECT_EQ(lost, step.lost);
            const double remaining = step.color == B ? clock.getBlackRemainingTime() : clock.getWhiteRemainingTime();
            EXPECT_DOUBLE_EQ(remaining, step.remaining);
            EXPECT_DOUBLE_EQ((step.color == B ? clock.BlackTime() : clock.WhiteTime()).ByoYomi(), step.period);
            EXPECT_EQ(clock.getRemainingByoYomiMoves(step.color), step.periodMoves);
        }
    }
}
