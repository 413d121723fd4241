#include "RulesTestSupport.h"

#include "rules/Log.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
// Collects log lines for the life of the object.
class LogCapture {
public:
    LogCapture() : m_previous(Log::setSink([this](const std::string& line) { lines.push_back(line); })) {}
    ~LogCapture() { Log::setSink(m_previous); }
    std::vector<std::string> lines;

private:
    Log::Sink m_previous;
};
}

TEST(GTPGoBoard, AdjacentsComeLeftRightAboveUnderAndStayOnTheBoard)
{
    const GTPGoBoard board(9, 0);
    EXPECT_EQ(board.getAdjacents({1, 1}), (Points{{2, 1}, {1, 2}}));
    EXPECT_EQ(board.getAdjacents({9, 9}), (Points{{8, 9}, {9, 8}}));
    EXPECT_EQ(board.getAdjacents({5, 1}), (Points{{4, 1}, {6, 1}, {5, 2}}));
    EXPECT_EQ(board.getAdjacents({9, 5}), (Points{{8, 5}, {9, 6}, {9, 4}}));
    EXPECT_EQ(board.getAdjacents({5, 5}), (Points{{4, 5}, {6, 5}, {5, 6}, {5, 4}}));
}

// The search is depth first in neighbour order, stops at the other colour,
// and treats the start as a stone of the colour asked even when it is empty.
TEST(GTPGoBoard, GroupSearchListsStonesAndLibertiesInNeighbourOrder)
{
    struct Case {
        std::vector<std::string> diagram;
        GTPGoPoint start;
        GTPGoColor color;
        Points group, liberties;
    };
    const std::vector<Case> cases{
        {{". X . .",
          ". X X .",
          ". . . ."}, {2, 2}, GTPGoColorBlack,
         {{2, 2}, {3, 2}, {2, 3}}, {{1, 2}, {4, 2}, {3, 3}, {3, 1}, {1, 3}, {2, 4}, {2, 1}}},
        {{"X O", "X ."}, {1, 1}, GTPGoColorBlack, {{1, 1}, {1, 2}}, {{2, 1}, {1, 3}}},
        {{"O . .", ". . X"}, {2, 1}, GTPGoColorBlack, {{2, 1}, {3, 1}}, {{1, 1}, {4, 1}, {3, 2}, {2, 2}}},
        {{"O . .", ". . X"}, {2, 1}, GTPGoColorEmpty, {}, {}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const Case& c = cases[i];
        GTPGoBoard board(9, 0);
        board.setStones(stonesFromDiagram(c.diagram));
        Points group, liberties;
        EXPECT_EQ(board.getGroupLiberties(c.start, c.color, group, liberties), std::ssize(c.liberties));
        EXPECT_EQ(group, c.group);
        EXPECT_EQ(liberties, c.liberties);
    }
}

// Captures are listed group by group in neighbour order, each group once; the
// suicide test looks at the stone's own group and ignores what it would capture.
TEST(GTPGoBoard, CaptureTakesGroupsWhoseLastLibertyIsTheMoveAndSuicideIgnoresCaptures)
{
    const std::vector<std::tuple<std::vector<std::string>, GTPGoMove, Points, bool>> cases{
        {{"X O"}, white(1, 2), {{1, 1}}, false},
        {{"X O"}, black(1, 2), {}, false},
        {{"X ."}, white(1, 2), {}, false},
        {{"O . .",
          "X . .",
          "X X O"}, white(2, 2), {{1, 2}, {1, 1}, {2, 1}}, false},
        {{". . . O X O . . .",
          ". . O X . X O . ."}, white(5, 1), {{4, 1}, {6, 1}}, true},
        {{". O .",
          "O . O",
          "X O ."}, black(2, 2), {}, true},
        {{". O .",
          "O . O",
          "X O ."}, white(2, 2), {}, false},
        {{"O . .",
          ". O .",
          "X O ."}, black(1, 2), {}, true},
        {{"O . .",
          ". O .",
          "X X ."}, black(1, 2), {}, false},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const auto& [diagram, move, captured, suicide] = cases[i];
        GTPGoBoard board(9, 0);
        board.setStones(stonesFromDiagram(diagram));
        EXPECT_EQ(board.willCapture(move), captured);
        EXPECT_EQ(board.isSuicide(move), suicide);
    }
}

TEST(GTPGoBoard, HandicapStonesFollowTheTableAndOtherSizesOnlyLog)
{
    // Handicap, how many of these points, and whether the centre is added.
    const Points order{{3, 3}, {7, 7}, {7, 3}, {3, 7}, {7, 5}, {3, 5}, {5, 3}, {5, 7}};
    const std::vector<std::tuple<int, std::size_t, bool>> table{
        {-1, 0, false}, {0, 0, false}, {1, 0, false}, {2, 2, false}, {3, 3, false}, {4, 4, false},
        {5, 4, true}, {6, 6, false}, {7, 6, true}, {8, 8, false}, {9, 8, true}, {10, 8, false}};
    LogCapture log;
    for (const auto& [handicap, points, centre] : table) {
        SCOPED_TRACE(handicap);
        GTPGoBoard::StoneMap expected;
        for (std::size_t i = 0; i < points; ++i) {
            expected[order[i]] = static_cast<std::int32_t>(GTPGoColorBlack);
        }
        if (centre) {
            expected[{5, 5}] = static_cast<std::int32_t>(GTPGoColorBlack);
        }
        EXPECT_EQ(GTPGoBoard(9, handicap).Stones(), expected);
    }
    EXPECT_TRUE(GTPGoBoard(13, 0).Stones().empty());
    EXPECT_TRUE(log.lines.empty());
    EXPECT_TRUE(GTPGoBoard(19, 2).Stones().empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"Don't know how to put 2 handicap stones on a 19x19 board!"});
}
