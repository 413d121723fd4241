#include "tests/support/LogCapture.h"
#include "engine/GTPCommandText.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

TEST(GTPCommandText, handicap_lines_have_two_blanks_and_match_the_board_points)
{
    EXPECT_EQ(GTPCommandText::handicap(0), std::nullopt);
    EXPECT_EQ(GTPCommandText::handicap(-1), std::nullopt);
    EXPECT_EQ(GTPCommandText::handicap(1), std::string());
    EXPECT_EQ(GTPCommandText::handicap(10), std::string());
    const char* vertices[] = {"C3 G7", "C3 G7 G3", "C3 G7 G3 C7", "C3 G7 G3 C7 E5", "C3 G7 G3 C7 C5 G5",
                              "C3 G7 G3 C7 E5 C5 G5", "C3 G7 G3 C7 C5 G5 E3 E7", "C3 G7 G3 C7 E5 C5 G5 E3 E7"};
    for (std::int32_t stones = 2; stones <= 9; ++stones) {
        EXPECT_EQ(GTPCommandText::handicap(stones), std::string("set_free_handicap  ") + vertices[stones - 2]);
    }
}

TEST(GTPCommandText, vertex_letters_skip_i_and_times_are_cut_toward_zero)
{
    EXPECT_EQ(GTPCommandText::vertex(1, 1), "A1");
    EXPECT_EQ(GTPCommandText::vertex(8, 3), "H3");
    EXPECT_EQ(GTPCommandText::vertex(9, 9), "J9");
    EXPECT_EQ(GTPCommandText::vertex(19, 19), "T19");
    EXPECT_EQ(GTPCommandText::timeSettings(299.7, 5.99, 1), "time_settings 299 5 1");
    EXPECT_EQ(GTPCommandText::timeLeft(GTPGoColorBlack, 0.9, 0), "time_left B 0 0");
    EXPECT_EQ(GTPCommandText::timeLeft(GTPGoColorWhite, -3.7, 1), "time_left W -3 1");
    EXPECT_EQ(GTPCommandText::timeLeft(GTPGoColorWhite, 1e12, 1), "time_left W 2147483647 1");
    EXPECT_EQ(GTPCommandText::komi(6.5), "komi 6.5");
}

TEST(GTPCommandText, invalid_colours_are_logged_and_leave_the_field_empty)
{
    LogCapture log;
    EXPECT_EQ(GTPCommandText::genmove(GTPGoColorEmpty), "genmove ");
    EXPECT_EQ(GTPCommandText::pass(GTPGoColorEmpty), std::nullopt);
    EXPECT_EQ(GTPCommandText::pass(GTPGoColorBlack), "play B PASS");
    EXPECT_EQ(GTPCommandText::genmove(GTPGoColorWhite), "genmove W");
    EXPECT_THAT(log.lines, ElementsAre("Invalid color in getColorLetter!", "Invalid color in GTPGoEngineWrapper pass!"));
}
