#include "BoardDiagram.h"

#include "rules/GTPGoGame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
using Points = std::vector<GTPGoPoint>;

class GTPGoGameTest : public ::testing::Test {
protected:
    GTPGoGame newGame(std::int32_t handicap = 0, std::int32_t seconds = 600)
    {
        return GTPGoGame(GTPGoGameInfo(handicap, seconds), [this] { return m_now; });
    }

    // Plays a stone of the side to move; returns the code (0 when accepted).
    static GTPGoMoveMessage play(GTPGoGame& game, std::int32_t x, std::int32_t y)
    {
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(GTPGoMove::stone(game.ColorToMove(), {x, y}), message);
        EXPECT_EQ(accepted, message == GTPGoMessageNone);
        return message;
    }

    static bool pass(GTPGoGame& game, GTPGoColor color)
    {
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(GTPGoMove::pass(color), message);
        EXPECT_EQ(message, GTPGoMessageNone);
        return accepted;
    }

    // Everything a refused move must leave as it was.
    struct Snapshot {
        GTPGoBoard::StoneMap stones;
        std::size_t turns;
        std::int32_t currentTurn;
        GTPGoColor colorToMove;
        std::optional<GTPGoPoint> koPoint;
        double startingTime;
        double blackByoYomi;
        double whiteByoYomi;
        bool operator==(const Snapshot&) const = default;
    };

    static Snapshot snapshot(const GTPGoGame& game)
    {
        return {game.Board().Stones(), game.Turns().size(), game.CurrentTurn(), game.ColorToMove(), game.KoPoint(),
                game.Clock().StartingTime(), game.Clock().BlackTime().ByoYomi(), game.Clock().WhiteTime().ByoYomi()};
    }

    double m_now = 100.0;
};
}

TEST_F(GTPGoGameTest, FirstMoveBelongsToBlackUnlessTwoOrMoreHandicapStones)
{
    GTPGoGame even = newGame(0);
    const Snapshot before = snapshot(even);
    GTPGoMoveMessage message = GTPGoMessageNone;
    EXPECT_FALSE(even.playMove(GTPGoMove::stone(GTPGoColorWhite, {5, 5}), message));
    EXPECT_EQ(message, GTPGoMessageNotYourTurn);
    EXPECT_EQ(snapshot(even), before);

    message = 99;
    EXPECT_TRUE(even.playMove(GTPGoMove::stone(GTPGoColorBlack, {5, 5}), message));
    EXPECT_EQ(message, 99) << "an accepted move leaves the code alone";
    EXPECT_EQ(even.ColorToMove(), GTPGoColorWhite);
    EXPECT_EQ(even.Board().Stones().at({5, 5}), GTPGoColorBlack);

    EXPECT_EQ(newGame(1).ColorToMove(), GTPGoColorBlack);
    EXPECT_EQ(newGame(2).ColorToMove(), GTPGoColorWhite);
    GTPGoGame nine = newGame(9);
    EXPECT_EQ(nine.ColorToMove(), GTPGoColorWhite);
    EXPECT_EQ(play(nine, 5, 5), GTPGoMessageOccupied);
    EXPECT_EQ(play(nine, 4, 4), GTPGoMessageNone);
}

TEST_F(GTPGoGameTest, RefusalsAreCheckedInOrderAndChangeNothing)
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        "O . . .",
        ". O X .",
        ". X O .",
    }));
    game.setKoPoint(GTPGoPoint(3, 2));
    m_now += 7.0;
    const Snapshot before = snapshot(game);

    GTPGoMoveMessage message = GTPGoMessageNone;
    // Wrong colour on the ko point, which here even holds a stone: the colour is checked first.
    EXPECT_FALSE(game.playMove(GTPGoMove::stone(GTPGoColorWhite, {3, 2}), message));
    EXPECT_EQ(message, GTPGoMessageNotYourTurn);
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageKo);
    EXPECT_EQ(play(game, 2, 2), GTPGoMessageOccupied);
    EXPECT_EQ(play(game, 1, 3), GTPGoMessageOccupied);
    EXPECT_EQ(snapshot(game), before);
    EXPECT_TRUE(game.Turns().empty());
}

TEST_F(GTPGoGameTest, FillingTheLastLibertyIsLegalOnlyWhenItCaptures)
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        "X . .",
        "O X .",
        ". O X",
    }));
    EXPECT_EQ(play(game, 1, 1), GTPGoMessageNone);
    const GTPGoTurn* turn = game.getLastTurn();
    ASSERT_TRUE(turn->KilledStones().has_value());
    EXPECT_EQ(*turn->KilledStones(), (Points{{2, 1}, {1, 2}}));
    EXPECT_TRUE(game.Board().isPointFree({2, 1}));
    EXPECT_TRUE(game.Board().isPointFree({1, 2}));
    EXPECT_FALSE(game.KoPoint().has_value()) << "two stones taken is never ko";

    GTPGoGame lone = newGame();
    lone.Board().setStones(stonesFromDiagram({
        "O .",
        ". O",
    }));
    const Snapshot before = snapshot(lone);
    EXPECT_EQ(play(lone, 1, 1), GTPGoMessageSuicide);
    EXPECT_EQ(snapshot(lone), before);

    // A stone that joins a group and leaves it without liberties is suicide as well.
    GTPGoGame group = newGame();
    group.Board().setStones(stonesFromDiagram({
        "O O .",
        "X . O",
    }));
    EXPECT_EQ(play(group, 2, 1), GTPGoMessageSuicide);
}

TEST_F(GTPGoGameTest, KoBansTheImmediateRetakeForExactlyOneMove)
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        ". X O .",
        "X O . O",
        ". X O .",
    }));
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageNone);
    EXPECT_EQ(*game.getLastTurn()->KilledStones(), (Points{{2, 2}}));
    ASSERT_TRUE(game.KoPoint().has_value());
    EXPECT_EQ(*game.KoPoint(), GTPGoPoint(2, 2));

    EXPECT_EQ(play(game, 2, 2), GTPGoMessageKo);
    EXPECT_EQ(play(game, 9, 9), GTPGoMessageNone);
    EXPECT_FALSE(game.KoPoint().has_value());
    EXPECT_EQ(game.getLastTurn()->OldKoPoint(), GTPGoPoint(2, 2));
    EXPECT_EQ(play(game, 9, 1), GTPGoMessageNone);

    // White may now take back, which makes a ko for Black in turn.
    EXPECT_EQ(play(game, 2, 2), GTPGoMessageNone);
    EXPECT_EQ(*game.getLastTurn()->KilledStones(), (Points{{3, 2}}));
    EXPECT_EQ(game.KoPoint(), GTPGoPoint(3, 2));
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageKo);

    // A pass lifts the ban as well.
    EXPECT_TRUE(pass(game, GTPGoColorBlack));
    EXPECT_FALSE(game.KoPoint().has_value());
    EXPECT_EQ(game.getLastTurn()->OldKoPoint(), GTPGoPoint(3, 2));
    EXPECT_EQ(play(game, 1, 9), GTPGoMessageNone);
    EXPECT_EQ(play(game, 3, 2), GTPGoMessageNone);
}

TEST_F(GTPGoGameTest, SingleStoneCapturesThatAreNotKo)
{
    // Snapback: taking back at the corner would capture three stones.
    GTPGoGame snapback = newGame();
    snapback.Board().setStones(stonesFromDiagram({
        "O O . .",
        "X X O .",
        "O . O .",
    }));
    EXPECT_EQ(play(snapback, 2, 1), GTPGoMessageNone);
    EXPECT_EQ(*snapback.getLastTurn()->KilledStones(), (Points{{1, 1}}));
    EXPECT_FALSE(snapback.KoPoint().has_value());
    EXPECT_EQ(play(snapback, 1, 1), GTPGoMessageNone);
    EXPECT_EQ(snapback.getLastTurn()->KilledStones()->size(), 3u);

    // The capturing stone keeps a liberty of its own.
    GTPGoGame open = newGame();
    open.Board().setStones(stonesFromDiagram({
        "X . .",
        "O . .",
        "X . .",
    }));
    EXPECT_EQ(play(open, 2, 2), GTPGoMessageNone);
    EXPECT_EQ(play(open, 2, 2), GTPGoMessageOccupied);
    EXPECT_EQ(*open.getLastTurn()->KilledStones(), (Points{{1, 2}}));
    EXPECT_FALSE(open.KoPoint().has_value());
}

TEST_F(GTPGoGameTest, TwoPassesInARowEndTheGameWithACount)
{
    GTPGoGame game = newGame();
    EXPECT_TRUE(pass(game, GTPGoColorBlack));
    EXPECT_FALSE(game.IsGameOver());
    EXPECT_EQ(game.ColorToMove(), GTPGoColorWhite);
    const double whiteStart = game.Clock().StartingTime();

    m_now += 3.0;
    EXPECT_FALSE(pass(game, GTPGoColorWhite));
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_EQ(game.Turns().size(), 1u);
    EXPECT_EQ(game.CurrentTurn(), 1);
    EXPECT_EQ(game.ColorToMove(), GTPGoColorWhite) << "the ending pass is not recorded";
    EXPECT_EQ(game.Clock().StartingTime(), whiteStart);
    ASSERT_TRUE(game.Result().has_value());
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorBlack);
    EXPECT_EQ(game.Result()->Score(), 0.0);
    EXPECT_FALSE(game.Result()->Timeout());

    // A further pass counts again and replaces the result.
    game.Board().setStones(stonesFromDiagram({"O O ."}));
    EXPECT_FALSE(pass(game, GTPGoColorWhite));
    EXPECT_EQ(game.Turns().size(), 1u);
    EXPECT_EQ(game.Result()->WinnerColor(), GTPGoColorWhite);
    EXPECT_EQ(game.Result()->Score(), 2.0);
}

TEST_F(GTPGoGameTest, PassesSeparatedByAStoneDoNotEndTheGame)
{
    GTPGoGame game = newGame();
    EXPECT_TRUE(pass(game, GTPGoColorBlack));
    EXPECT_EQ(play(game, 5, 5), GTPGoMessageNone);
    EXPECT_TRUE(pass(game, GTPGoColorBlack));
    EXPECT_FALSE(game.IsGameOver());
    EXPECT_EQ(game.Turns().size(), 3u);
    EXPECT_FALSE(game.Result().has_value());

    // The colour of a pass is not checked: White "passes" for Black's turn.
    GTPGoGame other = newGame();
    EXPECT_TRUE(pass(other, GTPGoColorWhite));
    EXPECT_EQ(other.ColorToMove(), GTPGoColorWhite);
    EXPECT_EQ(other.getLastTurn()->Move().Color(), GTPGoColorWhite);
}

TEST_F(GTPGoGameTest, RecordOutOfStepRefusesEverything)
{
    GTPGoGame game = newGame();
    game.setCurrentTurn(2);
    GTPGoMoveMessage message = GTPGoMessageNone;
    EXPECT_FALSE(game.playMove(GTPGoMove::stone(GTPGoColorWhite, {5, 5}), message));
    EXPECT_EQ(message, GTPGoMessageNotAtEnd);
    message = GTPGoMessageNone;
    EXPECT_FALSE(game.playMove(GTPGoMove::pass(GTPGoColorBlack), message));
    EXPECT_EQ(message, GTPGoMessageNotAtEnd);
    EXPECT_TRUE(game.Turns().empty());
    EXPECT_FALSE(game.IsGameOver());
}

TEST_F(GTPGoGameTest, TurnsFormOneNumberedLine)
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        "X O .",
    }));
    play(game, 5, 5);
    play(game, 1, 2);
    pass(game, GTPGoColorBlack);
    play(game, 4, 4);
    EXPECT_EQ(play(game, 6, 6), GTPGoMessageNone);

    const auto& turns = game.Turns();
    ASSERT_EQ(turns.size(), 5u);
    EXPECT_EQ(game.CurrentTurn(), 5);
    EXPECT_EQ(game.getLastTurn(), turns.back().get());
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const GTPGoTurn& turn = *turns[i];
        EXPECT_EQ(turn.TurnNumber(), static_cast<std::int32_t>(i));
        EXPECT_EQ(turn.PreviousTurn(), i == 0 ? nullptr : turns[i - 1].get());
        if (i + 1 < turns.size()) {
            EXPECT_EQ(turn.NextTurns(), std::vector<GTPGoTurn*>{turns[i + 1].get()});
        } else {
            EXPECT_TRUE(turn.NextTurns().empty());
        }
        EXPECT_EQ(turn.KilledStones().has_value(), i == 1) << "only White's (1,2) captured";
    }
    EXPECT_EQ(*turns[1]->KilledStones(), (Points{{1, 1}}));
    EXPECT_TRUE(turns[2]->Move().IsPass());
}

TEST_F(GTPGoGameTest, MovesChargeTheMoverAndTheTickChargesTheSideToMove)
{
    GTPGoGame game = newGame(0, 0);
    m_now += 4.0;
    play(game, 5, 5);
    // Black moved in byo-yomi with one move a period: a full period again.
    EXPECT_EQ(game.Clock().BlackTime().ByoYomi(), 30.0);
    EXPECT_EQ(game.Clock().StartingTime(), m_now);

    m_now += 30.5;
    EXPECT_FALSE(game.updateClock());
    EXPECT_DOUBLE_EQ(game.Clock().WhiteTime().ByoYomi(), -0.5);
    EXPECT_FALSE(game.IsGameOver());
    m_now += 0.5;
    EXPECT_TRUE(game.updateClock());
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_FALSE(game.Result().has_value()) << "a loss on time has no count";
    EXPECT_EQ(game.Clock().BlackTime().ByoYomi(), 30.0);
}

TEST_F(GTPGoGameTest, PauseShowsTheLastTurnAndKeepsTheClockRunning)
{
    GTPGoGame game = newGame();
    game.setPause(true);
    EXPECT_TRUE(game.IsPause());
    EXPECT_EQ(game.CurrentNode(), nullptr);
    play(game, 5, 5);
    play(game, 4, 4);
    game.setPause(true);
    EXPECT_EQ(game.getNodeToDisplay(), game.Turns()[1].get());
    m_now += 12.0;
    game.setPause(false);
    EXPECT_FALSE(game.IsPause());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[1].get());
    EXPECT_FALSE(game.updateClock());
    EXPECT_DOUBLE_EQ(game.Clock().BlackTime().MainTime(), 588.0);
}
