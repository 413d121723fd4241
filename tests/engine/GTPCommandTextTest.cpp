#include "engine/GTPCommandText.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/LogCapture.h"

#include <gtest/gtest.h>

// The lines that a game's sequence against the fake engine does not already pin down.
TEST(GTPCommandText, lines_are_written_exactly_and_invalid_colours_logged)
{
    LogCapture log;
    std::vector<std::pair<std::optional<std::string>, std::optional<std::string>>> rows = {
        {GTPCommandText::komi(0), "komi 0.0"}, {GTPCommandText::komi(7), "komi 7.0"},
        {GTPCommandText::komi(0.5), "komi 0.5"}, {GTPCommandText::komi(6.5), "komi 6.5"},
        {GTPCommandText::vertex(19, 19), "T19"},
        // Times are cut toward zero and clamped to the int range.
        {GTPCommandText::timeSettings(299.7, 5.99, 1), "time_settings 299 5 1"},
        {GTPCommandText::timeLeft(GTPGoColorBlack, 0.9, 0), "time_left B 0 0"},
        {GTPCommandText::timeLeft(GTPGoColorWhite, -3.7, 1), "time_left W -3 1"},
        {GTPCommandText::timeLeft(GTPGoColorWhite, 1e12, 1), "time_left W 2147483647 1"},
        // A handicap other than 2 to 9 is a bare line feed, or nothing at all.
        {GTPCommandText::handicap(1), ""}, {GTPCommandText::handicap(10), ""},
        {GTPCommandText::handicap(0), std::nullopt}, {GTPCommandText::handicap(-1), std::nullopt},
        {GTPCommandText::genmove(GTPGoColorEmpty), "genmove "}, {GTPCommandText::pass(GTPGoColorEmpty), std::nullopt},
    };
    for (std::int32_t handicap = 2; handicap <= 9; ++handicap) {
        rows.emplace_back(GTPCommandText::handicap(handicap), "set_free_handicap  " + handicapVertices(handicap));
    }
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(text, expected);
    }
    EXPECT_EQ(log.lines, std::vector<std::string>({"Invalid color in getColorLetter!",
                                                   "Invalid color in GTPGoEngineWrapper pass!"}));
}
