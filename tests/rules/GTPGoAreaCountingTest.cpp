#include "RulesTestSupport.h"
#include "rules/GTPGoAreaCounting.h"

// Square boards as large as the diagram has rows: the rule, the diagram, the
// dead stones, komi, then Black's and White's score.
TEST(GTPGoAreaCounting, stones_and_regions_of_one_colour_count_after_the_dead_are_taken_off_and_komi_goes_to_white)
{
    for (const auto& [rule, diagram, dead, komi, blackScore, whiteScore] :
         std::initializer_list<std::tuple<const char*, std::vector<std::string>, Points, double, double, double>>{
             {"the empty board: komi alone", {"...", "...", "..."}, {}, 7, 0, 7},
             {"regions of one colour count, along the edge too; one touching both colours does not",
              {".X...", "XX...", ".....", "...OO", "...O."}, {}, 0.5, 4, 4.5},
             {"seki: the shared liberties count for nobody, its stones for their owners",
              {"XO..OX", "XOXXOX", "XOOOOX", "XXXXXX", "......", "......"}, {}, 7, 26, 15},
             {"dead stones are taken off and their points go to the other side",
              {".XO..", ".XO..", "OXO..", ".XO.X", ".XO.."}, {{1, 3}, {5, 2}}, 0.5, 10, 15.5},
         }) {
        GTPGoBoard board(static_cast<std::int32_t>(diagram.size()), 0);
        board.setStones(stonesFromDiagram(diagram));
        double white = -1, black = -1;
        areaCounting(board, dead, komi, white, black);
        EXPECT_EQ(std::pair(black, white), std::pair(blackScore, whiteScore)) << rule;
    }
}
