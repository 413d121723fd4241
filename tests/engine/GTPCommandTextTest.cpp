#include "engine/GTPCommandText.h"
#include "rules/Log.h"

#include <gmock/gmock.h>

#include <vector>

namespace {

std::vector<std::string> captureLog(const std::function<void()>& action)
{
    std::vector<std::string> lines;
    const auto previous = Log::setSink([&lines](const std::string& line) { lines.push_back(line); });
    action();
    Log::setSink(previous);
    return lines;
}

}

TEST(GTPCommandText, vertex_letters_skip_i)
{
    EXPECT_EQ(GTPCommandText::vertex(1, 1), "A1");
    EXPECT_EQ(GTPCommandText::vertex(8, 3), "H3");
    EXPECT_EQ(GTPCommandText::vertex(9, 9), "J9");
    EXPECT_EQ(GTPCommandText::vertex(19, 19), "T19");
    EXPECT_EQ(GTPCommandText::play(GTPGoColorWhite, 4, 4), "play W D4");
}

TEST(GTPCommandText, handicap_lines_have_two_blanks_and_match_the_board_points)
{
    EXPECT_EQ(GTPCommandText::handicap(0), std::nullopt);
    EXPECT_EQ(GTPCommandText::handicap(-1), std::nullopt);
    EXPECT_EQ(GTPCommandText::handicap(1), std::string());
    EXPECT_EQ(GTPCommandText::handicap(10), std::string());
    EXPECT_EQ(GTPCommandText::handicap(2), "set_free_handicap  C3 G7");
    EXPECT_EQ(GTPCommandText::handicap(3), "set_free_handicap  C3 G7 G3");
    EXPECT_EQ(GTPCommandText::handicap(4), "set_free_handicap  C3 G7 G3 C7");
    EXPECT_EQ(GTPCommandText::handicap(5), "set_free_handicap  C3 G7 G3 C7 E5");
    EXPECT_EQ(GTPCommandText::handicap(6), "set_free_handicap  C3 G7 G3 C7 C5 G5");
    EXPECT_EQ(GTPCommandText::handicap(7), "set_free_handicap  C3 G7 G3 C7 E5 C5 G5");
    EXPECT_EQ(GTPCommandText::handicap(8), "set_free_handicap  C3 G7 G3 C7 C5 G5 E3 E7");
    EXPECT_EQ(GTPCommandText::handicap(9), "set_free_handicap  C3 G7 G3 C7 E5 C5 G5 E3 E7");
}

TEST(GTPCommandText, times_are_cut_toward_zero)
{
    EXPECT_EQ(GTPCommandText::timeSettings(299.7, 5.99, 1), "time_settings 299 5 1");
    EXPECT_EQ(GTPCommandText::timeLeft(GTPGoColorBlack, 0.9, 0), "time_left B 0 0");
    EXPECT_EQ(GTPCommandText::timeLeft(GTPGoColorWhite, -3.7, 1), "time_left W -3 1");
    EXPECT_EQ(GTPCommandText::timeLeft(GTPGoColorWhite, 1e12, 1), "time_left W 2147483647 1");
    EXPECT_EQ(GTPCommandText::komi(0.0), "komi 0.0");
    EXPECT_EQ(GTPCommandText::komi(6.5), "komi 6.5");
    EXPECT_EQ(GTPCommandText::boardSize(9), "boardsize 9");
}

TEST(GTPCommandText, invalid_colours_are_logged_and_leave_the_field_empty)
{
    std::string line;
    EXPECT_EQ(captureLog([&] { line = GTPCommandText::genmove(GTPGoColorEmpty); }),
              std::vector<std::string>{"Invalid color in getColorLetter!"});
    EXPECT_EQ(line, "genmove ");
    std::optional<std::string> pass;
    EXPECT_EQ(captureLog([&] { pass = GTPCommandText::pass(GTPGoColorEmpty); }),
              std::vector<std::string>{"Invalid color in GTPGoEngineWrapper pass!"});
    EXPECT_EQ(pass, std::nullopt);
    EXPECT_EQ(GTPCommandText::pass(GTPGoColorBlack), "play B PASS");
    EXPECT_TRUE(captureLog([] { GTPCommandText::colorLetter(GTPGoColorWhite); }).empty());
}
