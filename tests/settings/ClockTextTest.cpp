#include "settings/ClockText.h"

#include <gtest/gtest.h>

TEST(ClockText, MinutesAndSecondsKeepTwoDigitsAndGrowPastNinetyNine)
{
    const std::vector<std::pair<std::int32_t, std::string>> cases{
        {0, "00:00"}, {5, "00:05"}, {60, "01:00"}, {545, "09:05"}, {599, "09:59"},
        {600, "10:00"}, {609, "10:09"}, {900, "15:00"}, {6000, "100:00"}};
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(formatSecondsToMinutesAndSeconds(seconds), text) << seconds;
    }
}
