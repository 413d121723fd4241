#include "settings/GTPGoClock.h"

#include <gtest/gtest.h>

#include <tuple>

enum : std::int64_t { B, W };

// Time passes, then a move ('m') or a tick ('t', an update) for one side; then
// whether it lost, its time shown, its period and the moves left in that period.
using Step = std::tuple<double, char, std::int64_t, bool, double, double, std::int32_t>;

// A clock of main time and periods of so many moves, White untimed; the board
// screen may then change the reference period, which every period after the first
// copies; whether the clock may lose; the steps.
using Scenario =
    std::tuple<const char*, std::int32_t, double, std::int32_t, double, std::int32_t, bool, std::vector<Step>>;

const Scenario kScenarios[] = {
    // A move in main time is charged to the period; White, the human, never loses.
    {"main time runs down, then a full period starts and is lost a whole second past zero", 10, 5, 1, 5, 1, true,
     {{4.5, 't', B, false, 5.5, 5, 0}, {5, 't', B, false, 0.5, 5, 0}, {1, 't', B, false, 5, 5, 1},
      {5.5, 't', B, false, 0, -0.5, 1}, {0.5, 't', B, true, 0, -1, 1}, {0.5, 'm', W, false, 10, 4.5, 0},
      {60, 't', W, false, 5, 5, 1}, {60, 't', W, false, 0, -55, 1}}},
    {"each move uses one of the period's moves; the last starts the reference period; this clock may not lose", 0, 30,
     3, 20, 2, false,
     {{4, 'm', B, false, 26, 26, 2}, {6, 'm', B, false, 20, 20, 1}, {1, 'm', B, false, 20, 20, 2},
      {2, 'm', B, false, 18, 18, 1}, {60, 't', B, false, 0, -42, 1}}},
};

TEST(GTPGoClock, main_time_then_periods_then_a_loss_with_an_injected_time_source)
{
    for (const auto& [rule, mainTime, firstPeriod, firstMoves, referencePeriod, referenceMoves, canLose, steps] :
         kScenarios) {
        GTPTimeSettings settings(mainTime);
        settings.setByoYomi(firstPeriod);
        settings.setNumberOfMovesPerByoYomi(firstMoves);
        double now = 1000;
        GTPGoClock clock(settings, [&now] { return now; });
        clock.OriginalTime().setByoYomi(referencePeriod);
        clock.OriginalTime().setNumberOfMovesPerByoYomi(referenceMoves);
        clock.setWhiteInfiniteTime(true);
        clock.setCanLoseOnTime(canLose);
        for (const auto& [seconds, action, color, lost, remaining, period, periodMoves] : steps) {
            now += seconds;
            const bool hasLost = action == 'm' ? (clock.onMovePlayed(color), false) : clock.update(color);
            // Halves of seconds are exact in binary: the figures compare exactly.
            EXPECT_EQ(std::tuple(hasLost, color == B ? clock.getBlackRemainingTime() : clock.getWhiteRemainingTime(),
                                 (color == B ? clock.BlackTime() : clock.WhiteTime()).ByoYomi(),
                                 clock.getRemainingByoYomiMoves(color)),
                      std::tuple(lost, remaining, period, periodMoves)) << rule << ", after " << now - 1000 << " s";
        }
    }
}
