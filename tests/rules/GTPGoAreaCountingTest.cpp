#include "RulesTestSupport.h"
#include "rules/GTPGoAreaCounting.h"

// Square boards as large as the diagram has rows.
TEST(GTPGoAreaCounting, stones_and_regions_of_one_colour_count_after_the_dead_are_taken_off_and_komi_goes_to_white)
{
    const struct {
        const char* rule;
        std::vector<std::string> diagram;
        Points dead;
        double komi, black, white;
    } rows[] = {
        {"the empty board: komi alone", {"...", "...", "..."}, {}, 7, 0, 7},
        {"regions of one colour count, along the edge too; one touching both colours does not",
         {".X...", "XX...", ".....", "...OO", "...O."}, {}, 0.5, 4, 4.5},
        {"seki: the shared liberties count for nobody, its stones for their owners",
         {"XO..OX", "XOXXOX", "XOOOOX", "XXXXXX", "......", "......"}, {}, 7, 26, 15},
        {"dead stones are taken off and their points go to the other side",
         {".XO..", ".XO..", "OXO..", ".XO.X", ".XO.."}, {{1, 3}, {5, 2}}, 0.5, 10, 15.5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        GTPGoBoard board(static_cast<std::int32_t>(row.diagram.size()), 0);
        board.setStones(stonesFromDiagram(row.diagram));
        double white = -1;
        double black = -1;
        areaCounting(board, row.dead, row.komi, white, black);
        EXPECT_EQ(black, row.black);
        EXPECT_EQ(white, row.white);
    }
}
