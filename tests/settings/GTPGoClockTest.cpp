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

    // The board screen's adjustment for a game against the engine.
    static void adjustForEngine(GTPGoClock& clock, std::int64_t player)
    {
        clock.OriginalTime().setByoYomi(5.0);
        (player == kBlack ? clock.setBlackInfiniteTime(true) : clock.setWhiteInfiniteTime(true));
    }

    double m_now = 1000.0;
};
}

TEST_F(GTPGoClockTest, MainTimeRunsDownThenAFullReferencePeriodStarts)
{
    GTPGoClock clock = clockWith(10.0);
    adjustForEngine(clock, kWhite);
    m_now += 0.5;
    for (int tick = 1; tick <= 10; ++tick) {
        m_now += 1.0;
        EXPECT_FALSE(clock.update(kBlack));
        if (tick < 10) {
            EXPECT_DOUBLE_EQ(clock.getBlackRemainingTime(), 10.0 - 0.5 - tick);
            EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 0);
        }
    }
    // Main time went 0.5 s below zero; that overshoot is not taken from the period.
    EXPECT_LT(clock.BlackTime().MainTime(), 0.0);
    EXPECT_EQ(clock.getBlackRemainingTime(), 5.0);
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kBlack), 1);
    // White was never charged.
    EXPECT_EQ(clock.getWhiteRemainingTime(), 10.0);
}

TEST_F(GTPGoClockTest, EngineLosesOnceItsTurnRunsSixSecondsIntoAPeriod)
{
    GTPGoClock clock = clockWith(0.0);
    adjustForEngine(clock, kBlack);
    // The engine (White) moves once: every later turn starts with a full 5 s period.
    clock.onMovePlayed(kWhite);
    EXPECT_EQ(clock.WhiteTime().ByoYomi(), 5.0);

    for (int second = 1; second <= 5; ++second) {
        m_now += 1.0;
        EXPECT_FALSE(clock.update(kWhite)) << second;
    }
    m_now += 0.5;
    EXPECT_FALSE(clock.update(kWhite)) << "half a second past zero is not yet a loss";
    EXPECT_EQ(clock.getWhiteRemainingTime(), 0.0);
    m_now += 0.5;
    EXPECT_TRUE(clock.update(kWhite));

    // The same turn on a clock that may not lose, or for a side with infinite time.
    for (const bool infinite : {false, true}) {
        GTPGoClock safe = clockWith(0.0);
        adjustForEngine(safe, kBlack);
        safe.setCanLoseOnTime(infinite);
        safe.setWhiteInfiniteTime(infinite);
        safe.onMovePlayed(kWhite);
        m_now += 60.0;
        EXPECT_FALSE(safe.update(kWhite));
        EXPECT_EQ(safe.getWhiteRemainingTime(), 0.0);
        EXPECT_DOUBLE_EQ(safe.WhiteTime().ByoYomi(), -55.0) << "the budget still runs down";
    }
}

TEST_F(GTPGoClockTest, InfiniteTimeNeverLosesButStillCountsDown)
{
    GTPGoClock clock = clockWith(3.0);
    clock.setBlackInfiniteTime(true);
    for (int second = 0; second < 100; ++second) {
        m_now += 1.0;
        EXPECT_FALSE(clock.update(kBlack));
    }
    EXPECT_EQ(clock.getBlackRemainingTime(), 0.0);
    EXPECT_LT(clock.BlackTime().ByoYomi(), -60.0);

    // The flag protects only its own side. White's main time ends at this
    // update, and a whole period later White has lost.
    m_now += 40.0;
    EXPECT_FALSE(clock.update(kWhite));
    EXPECT_EQ(clock.getWhiteRemainingTime(), 30.0);
    m_now += 31.0;
    EXPECT_TRUE(clock.update(kWhite));
}

TEST_F(GTPGoClockTest, MovesInByoYomiUseUpThePeriodsMoves)
{
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

TEST_F(GTPGoClockTest, AMoveInMainTimeDoesNotChargeTheMainTime)
{
    GTPGoClock clock = clockWith(60.0);
    m_now += 0.7;
    clock.onMovePlayed(kWhite);
    EXPECT_EQ(clock.WhiteTime().MainTime(), 60.0);
    EXPECT_NEAR(clock.WhiteTime().ByoYomi(), 29.3, 1e-9);
    EXPECT_EQ(clock.getRemainingByoYomiMoves(kWhite), 0);
    EXPECT_EQ(clock.StartingTime(), m_now);

    // The interval since the last tick or move is charged to whoever is updated next.
    m_now += 2.0;
    clock.update(kBlack);
    m_now += 3.0;
    clock.update(kWhite);
    EXPECT_DOUBLE_EQ(clock.getBlackRemainingTime(), 58.0);
    EXPECT_DOUBLE_EQ(clock.getWhiteRemainingTime(), 57.0);
}

TEST_F(GTPGoClockTest, AnyColourButBlackSelectsWhite)
{
    GTPGoClock clock = clockWith(60.0);
    m_now += 5.0;
    clock.update(2);
    EXPECT_DOUBLE_EQ(clock.getWhiteRemainingTime(), 55.0);
    EXPECT_EQ(clock.getBlackRemainingTime(), 60.0);
}

TEST_F(GTPGoClockTest, PauseAndUnpauseChangeNothing)
{
    GTPGoClock clock = clockWith(60.0);
    m_now += 5.0;
    clock.pause();
    m_now += 5.0;
    clock.unpause();
    EXPECT_EQ(clock.StartingTime(), 1000.0);
    EXPECT_EQ(clock.getBlackRemainingTime(), 60.0);
    clock.update(kBlack);
    EXPECT_DOUBLE_EQ(clock.getBlackRemainingTime(), 50.0);
}

TEST(GTPGoClockDefaultTime, StartsFromTheSteadyClock)
{
    const double before = GTPGoClock::steadySeconds();
    const GTPGoClock clock{GTPTimeSettings()};
    const double after = GTPGoClock::steadySeconds();
    EXPECT_GE(clock.StartingTime(), before);
    EXPECT_LE(clock.StartingTime(), after);
    EXPECT_FALSE(clock.BlackInfiniteTime());
    EXPECT_FALSE(clock.WhiteInfiniteTime());
    EXPECT_TRUE(clock.CanLoseOnTime());
}
