#include "BoardDiagram.h"

#include "rules/GTPGoBoard.h"
#include "rules/GTPGoTurn.h"
#include "rules/Log.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
using Points = std::vector<GTPGoPoint>;

std::set<std::pair<int, int>> blackPoints(const GTPGoBoard& board)
{
    std::set<std::pair<int, int>> points;
    for (const auto& [point, color] : board.Stones()) {
        EXPECT_EQ(color, GTPGoColorBlack);
        points.insert({point.X(), point.Y()});
    }
    return points;
}

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

    for (const GTPGoPoint& off : Points{{0, 5}, {5, 0}, {10, 5}, {5, 10}}) {
        EXPECT_FALSE(board.isOnBoard(off)) << off.X() << "," << off.Y();
    }
    EXPECT_TRUE(board.isOnBoard({1, 9}));
    EXPECT_TRUE(board.isOnBoard({9, 1}));
}

TEST(GTPGoBoard, GroupSearchIsDepthFirstInNeighbourOrder)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        ". X . .",
        ". X X .",
        ". . . .",
    }));
    Points group;
    Points liberties;
    EXPECT_EQ(board.getGroupLiberties({2, 2}, GTPGoColorBlack, group, liberties), 7);
    EXPECT_EQ(group, (Points{{2, 2}, {3, 2}, {2, 3}}));
    EXPECT_EQ(liberties, (Points{{1, 2}, {4, 2}, {3, 3}, {3, 1}, {1, 3}, {2, 4}, {2, 1}}));

    // A white stone stops the search and is not a liberty.
    board.setStones(stonesFromDiagram({
        "X O",
        "X .",
    }));
    group.clear();
    liberties.clear();
    EXPECT_EQ(board.getGroupLiberties({1, 1}, GTPGoColorBlack, group, liberties), 2);
    EXPECT_EQ(group, (Points{{1, 1}, {1, 2}}));
    EXPECT_EQ(liberties, (Points{{2, 1}, {1, 3}}));
}

TEST(GTPGoBoard, GroupSearchTreatsTheStartAsAStoneOfTheColourAsked)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        "O . .",
        ". . X",
    }));
    // (2,1) is empty, yet asked as Black it joins the stone at (3,1).
    Points group;
    Points liberties;
    EXPECT_EQ(board.getGroupLiberties({2, 1}, GTPGoColorBlack, group, liberties), 4);
    EXPECT_EQ(group, (Points{{2, 1}, {3, 1}}));
    EXPECT_EQ(liberties, (Points{{1, 1}, {4, 1}, {3, 2}, {2, 2}}));

    group.clear();
    liberties.clear();
    EXPECT_EQ(board.getGroupLiberties({2, 1}, GTPGoColorEmpty, group, liberties), 0);
    EXPECT_TRUE(group.empty());
    EXPECT_TRUE(liberties.empty());
}

TEST(GTPGoBoard, CaptureTakesGroupsWhoseLastLibertyIsTheMove)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        "X O",
    }));
    Points group;
    Points liberties;
    EXPECT_EQ(board.getGroupLiberties({1, 1}, GTPGoColorBlack, group, liberties), 1);
    EXPECT_EQ(liberties, (Points{{1, 2}}));
    EXPECT_EQ(board.willCapture(GTPGoMove::stone(GTPGoColorWhite, {1, 2})), (Points{{1, 1}}));
    // Black at (1,2) captures nothing: its own stones are never listed.
    EXPECT_TRUE(board.willCapture(GTPGoMove::stone(GTPGoColorBlack, {1, 2})).empty());

    // Two liberties: nothing to take yet.
    board.setStones(stonesFromDiagram({
        "X .",
    }));
    EXPECT_TRUE(board.willCapture(GTPGoMove::stone(GTPGoColorWhite, {1, 2})).empty());
}

TEST(GTPGoBoard, GroupTouchingTheMoveTwiceIsListedOnce)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        "O . .",
        "X . .",
        "X X O",
    }));
    EXPECT_EQ(board.willCapture(GTPGoMove::stone(GTPGoColorWhite, {2, 2})), (Points{{1, 2}, {1, 1}, {2, 1}}));
}

TEST(GTPGoBoard, SeparateGroupsAreListedInNeighbourOrder)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        ". . . O X O . . .",
        ". . O X . X O . .",
    }));
    const GTPGoMove move = GTPGoMove::stone(GTPGoColorWhite, {5, 1});
    EXPECT_EQ(board.willCapture(move), (Points{{4, 1}, {6, 1}}));
    // The suicide test ignores captures: the white stone alone would have no liberty.
    EXPECT_TRUE(board.isSuicide(move));
}

TEST(GTPGoBoard, SuicideCountsTheLibertiesOfTheGroupTheStoneJoins)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        ". O .",
        "O . O",
        "X O .",
    }));
    EXPECT_TRUE(board.isSuicide(GTPGoMove::stone(GTPGoColorBlack, {2, 2})));
    EXPECT_FALSE(board.isSuicide(GTPGoMove::stone(GTPGoColorWhite, {2, 2})));

    // A stone that joins a friendly group without other liberties is suicide too.
    board.setStones(stonesFromDiagram({
        "O . .",
        ". O .",
        "X O .",
    }));
    EXPECT_TRUE(board.isSuicide(GTPGoMove::stone(GTPGoColorBlack, {1, 2})));
    // The same stone with a friendly neighbour that has a liberty is fine.
    board.setStones(stonesFromDiagram({
        "O . .",
        ". O .",
        "X X .",
    }));
    EXPECT_FALSE(board.isSuicide(GTPGoMove::stone(GTPGoColorBlack, {1, 2})));
}

TEST(GTPGoBoard, HandicapStonesFollowTheTable)
{
    using Set = std::set<std::pair<int, int>>;
    const Set two{{3, 3}, {7, 7}};
    const Set four{{3, 3}, {7, 7}, {7, 3}, {3, 7}};
    const Set six{{3, 3}, {7, 7}, {7, 3}, {3, 7}, {7, 5}, {3, 5}};
    const Set eight{{3, 3}, {7, 7}, {7, 3}, {3, 7}, {7, 5}, {3, 5}, {5, 3}, {5, 7}};
    auto with = [](Set set, std::pair<int, int> extra) { set.insert(extra); return set; };

    LogCapture log;
    EXPECT_EQ(blackPoints(GTPGoBoard(9, -1)), Set{});
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 0)), Set{});
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 1)), Set{});
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 2)), two);
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 3)), with(two, {7, 3}));
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 4)), four);
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 5)), with(four, {5, 5}));
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 6)), six);
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 7)), with(six, {5, 5}));
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 8)), eight);
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 9)), with(eight, {5, 5}));
    EXPECT_EQ(blackPoints(GTPGoBoard(9, 10)), eight);
    EXPECT_TRUE(log.lines.empty());
}

TEST(GTPGoBoard, HandicapOnAnotherSizeLogsAndPlacesNothing)
{
    LogCapture log;
    const GTPGoBoard big(19, 2);
    EXPECT_TRUE(big.Stones().empty());
    EXPECT_EQ(big.BoardSize(), 19);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0], "Don't know how to put 2 handicap stones on a 19x19 board!");

    const GTPGoBoard noHandicap(13, 0);
    EXPECT_TRUE(noHandicap.Stones().empty());
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST(GTPGoBoard, ExecutePlacesTheStoneThenRemovesTheKilled)
{
    GTPGoBoard board(9, 0);
    board.setStones(stonesFromDiagram({
        "O X .",
        "X O X",
        ". X .",
    }));
    const auto before = board.Stones();

    board.execute(GTPGoTurn(GTPGoMove::pass(GTPGoColorWhite), 0));
    EXPECT_EQ(board.Stones(), before);

    GTPGoTurn turn(GTPGoMove::stone(GTPGoColorBlack, {1, 1}), 1);
    turn.setKilledStones(Points{{1, 3}, {2, 2}});
    board.execute(turn);
    EXPECT_EQ(board.Stones(), stonesFromDiagram({
        ". X .",
        "X . X",
        "X X .",
    }));
    EXPECT_EQ(board.Stones().size(), before.size() + 1 - 2);
}
