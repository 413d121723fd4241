#include "settings/GTPGoGameInfo.h"
#include "settings/GTPTimeSettings.h"

#include <gtest/gtest.h>

TEST(GTPGoGameInfo, DurationSetsOnlyTheMainTime)
{
    const GTPGoGameInfo none(0, 0);
    EXPECT_EQ(none.TimeSettings().MainTime(), 0.0);
    EXPECT_EQ(none.TimeSettings().ByoYomi(), 30.0);
    EXPECT_EQ(none.TimeSettings().NumberOfMovesPerByoYomi(), 1);

    const GTPGoGameInfo long_(3, 900);
    EXPECT_EQ(long_.TimeSettings().MainTime(), 900.0);
    EXPECT_EQ(long_.TimeSettings().ByoYomi(), 30.0);
    EXPECT_EQ(long_.Handicap(), 3);
    EXPECT_EQ(long_.BoardSize(), 9);
    EXPECT_EQ(long_.Komi(), 0.0f);

    const GTPGoGameInfo defaults;
    EXPECT_EQ(defaults.Handicap(), 0);
    EXPECT_EQ(defaults.TimeSettings().MainTime(), 600.0);
}

TEST(GTPTimeSettings, CopiesAreIndependent)
{
    GTPTimeSettings original(120);
    const GTPTimeSettings copy(original);
    original.setMainTime(1.0);
    original.setByoYomi(2.0);
    original.setNumberOfMovesPerByoYomi(3);
    EXPECT_EQ(copy.MainTime(), 120.0);
    EXPECT_EQ(copy.ByoYomi(), 30.0);
    EXPECT_EQ(copy.NumberOfMovesPerByoYomi(), 1);

    // Changing a game's time settings later (as the board screen does against
    // the engine) leaves a copy taken before untouched.
    GTPGoGameInfo info(0, 300);
    const GTPTimeSettings taken = info.TimeSettings();
    info.TimeSettings().setMainTime(0.0);
    info.TimeSettings().setByoYomi(5.0);
    EXPECT_EQ(taken.MainTime(), 300.0);
    EXPECT_EQ(taken.ByoYomi(), 30.0);
}
