#include "BoardDiagram.h"

#include "rules/GTPGoGame.h"

#include <gtest/gtest.h>

namespace {
GTPGoGame newGame(std::int32_t handicap = 0)
{
    return GTPGoGame(GTPGoGameInfo(handicap, 600), [] { return 0.0; });
}

bool playStone(GTPGoGame& game, std::int32_t x, std::int32_t y)
{
    GTPGoMoveMessage message = GTPGoMessageNone;
    return game.playMove(GTPGoMove::stone(game.ColorToMove(), {x, y}), message);
}

void endByPasses(GTPGoGame& game)
{
    GTPGoMoveMessage message = GTPGoMessageNone;
    game.playMove(GTPGoMove::pass(game.ColorToMove()), message);
    game.playMove(GTPGoMove::pass(game.ColorToMove()), message);
    ASSERT_TRUE(game.IsGameOver());
    ASSERT_TRUE(game.Result().has_value());
}
}

TEST(GTPGoCounting, EmptyBoardIsADrawThatNamesBlack)
{
    GTPGoGame game = newGame();
    endByPasses(game);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorBlack);
    EXPECT_EQ(game.Result()->Score(), 0.0);
    EXPECT_EQ(game.Result()->BlackScore(), 0.0);
    EXPECT_EQ(game.Result()->WhiteScore(), 0.0);
}

TEST(GTPGoCounting, HandicapStonesCountForBlack)
{
    GTPGoGame game = newGame(4);
    endByPasses(game);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorBlack);
    EXPECT_EQ(game.Result()->BlackScore(), 4.0);
    EXPECT_EQ(game.Result()->WhiteScore(), 0.0);
    EXPECT_EQ(game.Result()->Score(), 4.0);
}

TEST(GTPGoCounting, KomiIsAddedToWhitesStonesAndOverwritesTheScores)
{
    GTPGoGame game = newGame();
    game.GameInfo().setKomi(6.5f);
    GTPGoBoard::StoneMap stones;
    for (std::int32_t i = 0; i < 65; ++i) {
        stones[{i % 9 + 1, i / 9 + 1}] = static_cast<std::int32_t>(i < 35 ? GTPGoColorBlack : GTPGoColorWhite);
    }
    game.Board().setStones(stones);

    double white = 123.0;
    double black = -4.0;
    game.velkCounting(white, black);
    EXPECT_EQ(white, 36.5);
    EXPECT_EQ(black, 35.0);

    endByPasses(game);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorWhite);
    EXPECT_EQ(game.Result()->Score(), 1.5);
    EXPECT_EQ(game.Result()->WhiteScore(), 36.5);
    EXPECT_EQ(game.Result()->BlackScore(), 35.0);
}

TEST(GTPGoCounting, OnlyStonesOnTheBoardCountNotTerritory)
{
    // Black walls off the whole left side; White has two stones.
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        ". . X O",
        ". . X .",
        ". . X .",
        ". . X .",
        ". . X .",
        ". . X .",
        ". . X .",
        ". . X .",
        ". . X O",
    }));
    endByPasses(game);
    EXPECT_EQ(game.Result()->BlackScore(), 9.0);
    EXPECT_EQ(game.Result()->WhiteScore(), 2.0);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorBlack);
    EXPECT_EQ(game.Result()->Score(), 7.0);
}

TEST(GTPGoCounting, PrisonersAddUpCapturesOfEachSideAndDoNotScore)
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        ". . . . . . . X O",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        "O O . . . . . . .",
        "X X X O . . . . .",
    }));
    game.setColorToMove(GTPGoColorWhite);
    ASSERT_TRUE(playStone(game, 3, 2));
    EXPECT_EQ(game.getLastTurn()->KilledStones()->size(), 3u);
    ASSERT_TRUE(playStone(game, 9, 8));
    EXPECT_EQ(game.getLastTurn()->KilledStones()->size(), 1u);
    GTPGoMoveMessage message = GTPGoMessageNone;
    ASSERT_TRUE(game.playMove(GTPGoMove::pass(GTPGoColorWhite), message));
    ASSERT_TRUE(playStone(game, 5, 5));
    ASSERT_TRUE(playStone(game, 6, 6));

    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorWhite), 3);
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorBlack), 1);
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorEmpty), 0);

    // Review does not change the totals.
    game.setCurrentNode(game.Turns().front().get());
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorWhite), 3);

    endByPasses(game);
    // Black: (8,9), (9,8), (5,5). White: (1,2), (2,2), (4,1), (3,2), (6,6).
    EXPECT_EQ(game.Result()->BlackScore(), 3.0);
    EXPECT_EQ(game.Result()->WhiteScore(), 5.0);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorWhite);
}
