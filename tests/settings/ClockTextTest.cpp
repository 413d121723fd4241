#include "settings/ClockText.h"

#include <gtest/gtest.h>

TEST(ClockText, MinutesAndSecondsKeepTwoDigitsAndGrowPastNinetyNine)
{
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(0), "00:00");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(5), "00:05");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(59), "00:59");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(60), "01:00");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(65), "01:05");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(545), "09:05");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(599), "09:59");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(600), "10:00");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(609), "10:09");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(900), "15:00");
    EXPECT_EQ(formatSecondsToMinutesAndSeconds(6000), "100:00");
}
