#include "settings/ClockText.h"

#include <gtest/gtest.h>

TEST(ClockText, minutes_and_seconds_keep_two_digits_and_grow_past_ninety_nine)
{
    for (const auto& [seconds, text] :
         {std::pair(0, "00:00"), {9, "00:09"}, {10, "00:10"}, {599, "09:59"}, {600, "10:00"}, {6000, "100:00"}}) {
        EXPECT_EQ(formatSecondsToMinutesAndSeconds(seconds), text) << seconds;
    }
}
