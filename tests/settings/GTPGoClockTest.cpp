#include "settings/GTPGoClock.h"

#include <gtest/gtest.h>

namespace {
constexpr std::int64_t kBlack = 0;
constexpr std::int64_t kWhite = 1;

// A clock whose time moves only when the test says so.
class GTPGoClockTest : public ::testing::Test {
protected:
    GTPGoClock clockWith(double mainTime, double period = 30.0, std::int32_t moves = 1)
    {
        GTPTimeSettings settings;
        settings.setMainTime(mainTime);
        settings.setByoYomi(period);
        settings.setNumberOfMovesPerByoYomi(moves);
        return GTPGoClock(settings, [this] { return m_now; });
    }

    // The board screen's adjustment for a game against the engine: 5 s periods, the human untimed.
    GTPGoClock engineGameClock(double mainTime, std::int64_t human)
    {
        GTPGoClock clock = clockWith(mainTime);
        clock.OriginalTime().setByoYomi(5.0);
        (human == kBlack ? clock.setBlackInfiniteTime(true) : clock.setWhiteInfiniteTime(true));
        return clock;
    }

    double m_now = 1000.0;
};
}

TEST_F(GTPGoClockTest, MainTimeRunsDownThenAFullReferencePeriodStarts)
{
    GTPGoClock clock = engineGameClock(10.0, kWhite);
    // Each update charges only the time since the one before.
    m_now += 4.5;
    EXPECT_FALSE(clock.update(kBlack));
    m_now += 5.0;
    EXPECT_FALSE(clock.update(kBlack));
    EXPECT_DOUBLE_EQ(clock.getBlackRemainingTime(), 0.5);
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 0);
    m_now += 1.0;
    EXPECT_FALSE(clock.update(kBlack));
    // Main time went 0.5 s below zero; that overshoot is not taken from the period.
    EXPECT_LT(clock.BlackTime().MainTime(), 0.0);
    EXPECT_EQ(clock.getBlackRemainingTime(), 5.0);
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 1);
    EXPECT_EQ(clock.getWhiteRemainingTime(), 10.0) << "White was never charged";
}

TEST_F(GTPGoClockTest, EngineLosesOnceItsTurnRunsSixSecondsIntoAPeriod)
{
    GTPGoClock clock = engineGameClock(0.0, kBlack);
    // The engine (White) moves once: every later turn starts with a full 5 s period.
    clock.onMovePlayed(kWhite);
    EXPECT_EQ(clock.WhiteTime().ByoYomi(), 5.0);
    m_now += 5.5;
    EXPECT_FALSE(clock.update(kWhite)) << "half a second past zero is not yet a loss";
    EXPECT_EQ(clock.getWhiteRemainingTime(), 0.0);
    m_now += 0.5;
    EXPECT_TRUE(clock.update(kWhite));

    // The same turn on a clock that may not lose, or for a side with infinite time.
    for (const bool infinite : {false, true}) {
        GTPGoClock safe = engineGameClock(0.0, kBlack);
        safe.setCanLoseOnTime(infinite);
        safe.setWhiteInfiniteTime(infinite);
        safe.onMovePlayed(kWhite);
        m_now += 60.0;
        EXPECT_FALSE(safe.update(kWhite));
        EXPECT_EQ(safe.getWhiteRemainingTime(), 0.0);
        EXPECT_DOUBLE_EQ(safe.WhiteTime().ByoYomi(), -55.0) << "the budget still runs down";
    }
}

// A move is charged to the period even in main time; in byo-yomi it also uses up one of the period's moves.
TEST_F(GTPGoClockTest, AMoveChargesThePeriodNotTheMainTimeAndUsesUpThePeriodsMoves)
{
    GTPGoClock inMainTime = clockWith(60.0);
    m_now += 0.7;
    inMainTime.onMovePlayed(kWhite);
    EXPECT_EQ(inMainTime.WhiteTime().MainTime(), 60.0);
    EXPECT_NEAR(inMainTime.WhiteTime().ByoYomi(), 29.3, 1e-9);
    EXPECT_EQ(inMainTime.getRemainingByoYomiMoves(kWhite), 0);

    GTPGoClock clock = clockWith(0.0, 30.0, 3);
    clock.OriginalTime().setByoYomi(20.0);
    clock.OriginalTime().setNumberOfMovesPerByoYomi(2);
    m_now += 4.0;
    clock.onMovePlayed(kBlack);
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 2);
    EXPECT_DOUBLE_EQ(clock.getBlackRemainingTime(), 26.0);
    m_now += 6.0;
    clock.onMovePlayed(kBlack);
    m_now += 1.0;
    clock.onMovePlayed(kBlack);
    // The period copied at creation (30 s, 3 moves) is complete: the reference one starts.
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 2);
    EXPECT_EQ(clock.getBlackRemainingTime(), 20.0);
    m_now += 2.0;
    clock.onMovePlayed(kBlack);
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 1);
    EXPECT_DOUBLE_EQ(clock.getBlackRemainingTime(), 18.0);
    EXPECT_EQ(clock.StartingTime(), m_now);
}

TEST(GTPGoClockDefaultTime, StartsFromTheSteadyClock)
{
    const double before = GTPGoClock::steadySeconds();
    const GTPGoClock clock{GTPTimeSettings()};
    EXPECT_GE(clock.StartingTime(), before);
    EXPECT_LE(clock.StartingTime(), GTPGoClock::steadySeconds());
}
