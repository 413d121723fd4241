#include "RulesTestSupport.h"
#include "rules/GTPGoAreaCounting.h"

namespace {
struct AreaCase {
    const char* name;
    // Square: the board is as large as the diagram has rows.
    std::vector<std::string> diagram;
    Points deadStones;
    double komi;
    double black;
    double white;
};

const std::vector<std::string> kSeki = {
    "XO..OX...", // the two empty points are the only liberties of both inner groups
    "XOXXOX...",
    "XOOOOX...",
    "XXXXXX...",
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
};

const std::vector<std::string> kDeadInside = {
    "...XO....",
    "...XO....",
    ".O.XO....",
    "...XO....",
    "...XO.X..",
    "...XO....",
    "...XO....",
    "...XO....",
    "...XO....",
};

const std::vector<AreaCase> kCases = {
    {"the empty board: komi alone", std::vector<std::string>(9, "........."), {}, 7, 0, 7},
    {"edge regions of one colour count, the open middle touching both does not",
     {".X...", "XX...", ".....", "...OO", "...O."}, {}, 0.5, 4, 4.5},
    {"a column of dame between two walls counts for nobody",
     {".X.O.", ".X.O.", ".X.O.", ".X.O.", ".X.O."}, {}, 7, 10, 17},
    {"seki: the shared liberties count for nobody, its stones for their owners", kSeki, {}, 7, 71, 15},
    {"unlisted dead stones spoil both areas", kDeadInside, {}, 0.5, 10, 10.5},
    {"listed dead stones are taken off and their points go to the capturer",
     kDeadInside, {{2, 7}, {7, 5}}, 0.5, 36, 45.5},
};
}

TEST(GTPGoAreaCounting, CountsStonesAndOneColourRegionsAfterTakingOffTheDead)
{
    for (const AreaCase& area : kCases) {
        SCOPED_TRACE(area.name);
        GTPGoBoard board(static_cast<std::int32_t>(area.diagram.size()), 0);
        board.setStones(stonesFromDiagram(area.diagram));
        double white = -1;
        double black = -1;
        areaCounting(board, area.deadStones, area.komi, white, black);
        EXPECT_EQ(black, area.black);
        EXPECT_EQ(white, area.white);
    }
}
