#include "RulesTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
class GTPGoGameTest : public ::testing::Test {
protected:
    GTPGoGame newGame(std::int32_t handicap = 0, std::int32_t seconds = 600)
    {
        return GTPGoGame(GTPGoGameInfo(handicap, seconds), [this] { return m_now; });
    }
    GTPGoGame on(const std::vector<std::string>& diagram)
    {
        return gameOn(diagram, [this] { return m_now; });
    }

    // Everything a refused move must leave as it was.
    static auto snapshot(const GTPGoGame& game)
    {
        return std::tuple(game.Board().Stones(), game.Turns().size(), game.CurrentTurn(), game.ColorToMove(),
                          game.KoPoint(), game.Clock().StartingTime(), game.Clock().BlackTime().ByoYomi(),
                          game.Clock().WhiteTime().ByoYomi());
    }

    double m_now = 100.0;
};
}

TEST_F(GTPGoGameTest, FirstMoveBelongsToBlackUnlessTwoOrMoreHandicapStones)
{
    GTPGoGame even = newGame(0);
    GTPGoMoveMessage message = 99;
    EXPECT_TRUE(even.playMove(black(5, 5), message));
    EXPECT_EQ(message, 99) << "an accepted move leaves the code alone";
    EXPECT_EQ(even.ColorToMove(), GTPGoColorWhite);
    EXPECT_EQ(newGame(1).ColorToMove(), GTPGoColorBlack);
    EXPECT_EQ(newGame(2).ColorToMove(), GTPGoColorWhite);
}

TEST_F(GTPGoGameTest, RefusalsAreCheckedInOrderAndChangeNothing)
{
    GTPGoGame game = on({"O . . .",
                         ". O X .",
                         ". X O ."});
    game.setKoPoint(GTPGoPoint(3, 2));
    m_now += 7.0;
    const auto before = snapshot(game);
    // Wrong colour on the ko point, which here even holds a stone: the colour is checked first.
    EXPECT_EQ(play(game, white(3, 2)), GTPGoMessageNotYourTurn);
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageKo);
    EXPECT_EQ(play(game, 2, 2), GTPGoMessageOccupied);
    EXPECT_EQ(play(game, 1, 3), GTPGoMessageOccupied);
    EXPECT_EQ(snapshot(game), before);

    // A record out of step with its turns refuses stones and passes alike.
    game.setCurrentTurn(2);
    EXPECT_EQ(play(game, black(5, 5)), GTPGoMessageNotAtEnd);
    GTPGoMoveMessage message = GTPGoMessageNone;
    EXPECT_FALSE(game.playMove(GTPGoMove::pass(GTPGoColorBlack), message));
    EXPECT_EQ(message, GTPGoMessageNotAtEnd);
    EXPECT_TRUE(game.Turns().empty());
    EXPECT_FALSE(game.IsGameOver());
}

TEST_F(GTPGoGameTest, FillingTheLastLibertyIsLegalOnlyWhenItCaptures)
{
    GTPGoGame game = on({"X . .",
                         "O X .",
                         ". O X"});
    EXPECT_EQ(play(game, 1, 1), GTPGoMessageNone);
    EXPECT_EQ(game.getLastTurn()->KilledStones(), (Points{{2, 1}, {1, 2}}));
    EXPECT_FALSE(game.KoPoint().has_value()) << "two stones taken is never ko";

    GTPGoGame lone = on({"O .",
                         ". O"});
    const auto before = snapshot(lone);
    EXPECT_EQ(play(lone, 1, 1), GTPGoMessageSuicide);
    EXPECT_EQ(snapshot(lone), before);
}

TEST_F(GTPGoGameTest, KoBansTheImmediateRetakeForExactlyOneMove)
{
    GTPGoGame game = on({". X O .",
                         "X O . O",
                         ". X O ."});
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageNone);
    EXPECT_EQ(game.getLastTurn()->KilledStones(), (Points{{2, 2}}));
    EXPECT_EQ(game.KoPoint(), GTPGoPoint(2, 2));

    EXPECT_EQ(play(game, 2, 2), GTPGoMessageKo);
    EXPECT_EQ(play(game, 9, 9), GTPGoMessageNone);
    EXPECT_FALSE(game.KoPoint().has_value());
    EXPECT_EQ(game.getLastTurn()->OldKoPoint(), GTPGoPoint(2, 2));
    EXPECT_EQ(play(game, 9, 1), GTPGoMessageNone);

    // White may now take back, which makes a ko for Black in turn.
    EXPECT_EQ(play(game, 2, 2), GTPGoMessageNone);
    EXPECT_EQ(game.getLastTurn()->KilledStones(), (Points{{3, 2}}));
    EXPECT_EQ(game.KoPoint(), GTPGoPoint(3, 2));
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageKo);

    // A pass lifts the ban as well.
    EXPECT_TRUE(pass(game));
    EXPECT_FALSE(game.KoPoint().has_value());
    EXPECT_EQ(game.getLastTurn()->OldKoPoint(), GTPGoPoint(3, 2));
    EXPECT_EQ(play(game, 1, 9), GTPGoMessageNone);
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageNone);
}

TEST_F(GTPGoGameTest, SingleStoneCapturesThatAreNotKo)
{
    // Snapback: taking back at the corner would capture three stones.
    GTPGoGame snapback = on({"O O . .",
                             "X X O .",
                             "O . O ."});
    EXPECT_EQ(play(snapback, 2, 1), GTPGoMessageNone);
    EXPECT_EQ(snapback.getLastTurn()->KilledStones(), (Points{{1, 1}}));
    EXPECT_FALSE(snapback.KoPoint().has_value());
    EXPECT_EQ(play(snapback, 1, 1), GTPGoMessageNone);
    EXPECT_EQ(snapback.getLastTurn()->KilledStones()->size(), 3u);

    // The capturing stone keeps a liberty of its own.
    GTPGoGame open = on({"X . .",
                         "O . .",
                         "X . ."});
    EXPECT_EQ(play(open, 2, 2), GTPGoMessageNone);
    EXPECT_EQ(open.getLastTurn()->KilledStones(), (Points{{1, 2}}));
    EXPECT_FALSE(open.KoPoint().has_value());
}

TEST_F(GTPGoGameTest, OnlyTwoPassesInARowEndTheGameAndEveryFurtherPassCountsAgain)
{
    GTPGoGame game = newGame();
    // The colour of a pass is not checked: White "passes" for Black's turn.
    EXPECT_TRUE(pass(game, GTPGoColorWhite));
    EXPECT_EQ(game.getLastTurn()->Move().Color(), GTPGoColorWhite);
    EXPECT_EQ(game.ColorToMove(), GTPGoColorWhite);
    EXPECT_EQ(play(game, 5, 5), GTPGoMessageNone);
    EXPECT_TRUE(pass(game));
    EXPECT_FALSE(game.IsGameOver());
    EXPECT_FALSE(game.Result().has_value());

    const double whiteStart = game.Clock().StartingTime();
    m_now += 3.0;
    EXPECT_FALSE(pass(game));
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_EQ(game.Turns().size(), 3u);
    EXPECT_EQ(game.CurrentTurn(), 3);
    EXPECT_EQ(game.ColorToMove(), GTPGoColorWhite) << "the ending pass is not recorded";
    EXPECT_EQ(game.Clock().StartingTime(), whiteStart);
    ASSERT_TRUE(game.Result().has_value());
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorWhite);
    EXPECT_FALSE(game.Result()->Timeout());

    game.Board().setStones(stonesFromDiagram({"X X ."}));
    EXPECT_FALSE(pass(game));
    EXPECT_EQ(game.Turns().size(), 3u);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorBlack);
    EXPECT_EQ(game.Result()->Score(), 2.0);
}

// Only the stones on the board count, plus komi for White; a draw names Black.
TEST_F(GTPGoGameTest, CountingAddsStonesOnTheBoardAndKomi)
{
    // Handicap, komi, stones; Black's and White's scores, the winner and the margin.
    const std::vector<std::tuple<std::int32_t, float, std::vector<std::string>, double, double, GTPGoColor, double>> cases{
        {0, 0.0f, {}, 0, 0, GTPGoColorBlack, 0},
        {4, 0.0f, {}, 4, 0, GTPGoColorBlack, 4},
        {0, 6.5f, {"X X O"}, 2, 7.5, GTPGoColorWhite, 5.5},
        // Black's corner point is territory, which is not counted.
        {0, 0.0f, {"X . . O", ". X . ."}, 2, 1, GTPGoColorBlack, 1},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const auto& [handicap, komi, diagram, black, white, winner, score] = cases[i];
        GTPGoGame game = newGame(handicap);
        game.GameInfo().setKomi(komi);
        if (!diagram.empty()) {
            game.Board().setStones(stonesFromDiagram(diagram));
        }
        pass(game);
        pass(game);
        ASSERT_TRUE(game.Result().has_value());
        EXPECT_EQ(game.Result()->BlackScore(), black);
        EXPECT_EQ(game.Result()->WhiteScore(), white);
        EXPECT_EQ(game.Result()->WinnerColor(), winner);
        EXPECT_EQ(game.Result()->Score(), score);
    }
}

TEST_F(GTPGoGameTest, TurnsFormOneNumberedLineWhosePrisonersDoNotScore)
{
    GTPGoGame game = on({"X O ."});
    playStones(game, {{5, 5}, {1, 2}});
    pass(game);
    playStones(game, {{4, 4}, {6, 6}});

    const auto& turns = game.Turns();
    ASSERT_EQ(turns.size(), 5u);
    EXPECT_EQ(game.CurrentTurn(), 5);
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const GTPGoTurn& turn = *turns[i];
        EXPECT_EQ(turn.TurnNumber(), static_cast<std::int32_t>(i));
        EXPECT_EQ(turn.PreviousTurn(), i == 0 ? nullptr : turns[i - 1].get());
        EXPECT_EQ(turn.NextTurns(), i + 1 < turns.size() ? std::vector<GTPGoTurn*>{turns[i + 1].get()}
                                                         : std::vector<GTPGoTurn*>{});
        EXPECT_EQ(turn.KilledStones().has_value(), i == 1) << "only White's (1,2) captured";
    }
    EXPECT_EQ(turns[1]->KilledStones(), (Points{{1, 1}}));

    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorWhite), 1);
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorBlack), 0);
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorEmpty), 0);
    game.setCurrentNode(turns.front().get());
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorWhite), 1) << "review does not change the totals";
    pass(game);
    pass(game);
    EXPECT_EQ(game.Result()->BlackScore(), 2.0);
    EXPECT_EQ(game.Result()->WhiteScore(), 3.0);
}

TEST_F(GTPGoGameTest, MovesChargeTheMoverTheTickTheSideToMoveAndTheClockRunsOnInReview)
{
    GTPGoGame game = newGame(0, 0);
    game.setPause(true);
    EXPECT_TRUE(game.IsPause());
    EXPECT_EQ(game.CurrentNode(), nullptr);
    m_now += 4.0;
    playStones(game, {{5, 5}, {4, 4}});
    // Black moved in byo-yomi with one move a period: a full period again.
    EXPECT_EQ(game.Clock().BlackTime().ByoYomi(), 30.0);
    EXPECT_EQ(game.Clock().StartingTime(), m_now);

    game.setPause(true);
    EXPECT_EQ(game.getNodeToDisplay(), game.Turns()[1].get());
    m_now += 12.0;
    game.setPause(false);
    EXPECT_FALSE(game.IsPause());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[1].get());
    m_now += 18.5;
    EXPECT_FALSE(game.updateClock());
    EXPECT_DOUBLE_EQ(game.Clock().BlackTime().ByoYomi(), -0.5);
    EXPECT_FALSE(game.IsGameOver());
    m_now += 0.5;
    EXPECT_TRUE(game.updateClock());
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_FALSE(game.Result().has_value()) << "a loss on time has no count";
    EXPECT_EQ(game.Clock().WhiteTime().ByoYomi(), 30.0);
}
