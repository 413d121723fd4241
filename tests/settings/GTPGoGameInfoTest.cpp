#include "settings/GTPGoGameInfo.h"

#include <gtest/gtest.h>

TEST(GTPGoGameInfo, DurationSetsOnlyTheMainTimeAndCopiesStayApart)
{
    GTPGoGameInfo info(3, 0);
    EXPECT_EQ(info.TimeSettings().MainTime(), 0.0);
    EXPECT_EQ(info.TimeSettings().ByoYomi(), 30.0);
    EXPECT_EQ(info.TimeSettings().NumberOfMovesPerByoYomi(), 1);
    EXPECT_EQ(GTPGoGameInfo(0, 900).TimeSettings().MainTime(), 900.0);

    // Against the engine the game's settings change after the clock took its copy.
    const GTPTimeSettings taken = info.TimeSettings();
    info.TimeSettings().setByoYomi(5.0);
    EXPECT_EQ(taken.ByoYomi(), 30.0);
}
