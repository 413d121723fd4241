#include "BoardDiagram.h"

#include "rules/GTPGoGame.h"
#include "tests/support/RandomMoveDrawer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {
using Points = std::vector<GTPGoPoint>;
using Stones = std::vector<GTPGoMove>;

GTPGoGame newGame()
{
    return GTPGoGame(GTPGoGameInfo(0, 600), [] { return 0.0; });
}

void playStones(GTPGoGame& game, std::initializer_list<GTPGoPoint> points)
{
    for (const GTPGoPoint& point : points) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        ASSERT_TRUE(game.playMove(GTPGoMove::stone(game.ColorToMove(), point), message))
            << point.X() << "," << point.Y() << " refused with " << message;
    }
}

void passOnce(GTPGoGame& game)
{
    GTPGoMoveMessage message = GTPGoMessageNone;
    ASSERT_TRUE(game.playMove(GTPGoMove::pass(game.ColorToMove()), message));
}

GTPGoMove black(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorBlack, {x, y}); }
GTPGoMove white(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorWhite, {x, y}); }

// Black at (1,1) takes White's (2,1) and (1,2) as the third turn.
GTPGoGame gameWithDoubleCapture()
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        "X . .",
        "O X .",
        ". O X",
    }));
    playStones(game, {{9, 9}, {9, 1}, {1, 1}});
    return game;
}
}

TEST(GTPGoReplay, StepZeroEmptiesTheListsAndStaysPut)
{
    GTPGoGame game = gameWithDoubleCapture();
    game.setCurrentNode(game.Turns()[1].get());
    Points removals{{4, 4}};
    Stones additions{black(4, 4)};
    game.getBoardModifications(removals, additions, 0);
    EXPECT_TRUE(removals.empty());
    EXPECT_TRUE(additions.empty());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[1].get());
}

TEST(GTPGoReplay, StepsOverACaptureRestoreAndRemoveTheTakenStones)
{
    GTPGoGame game = gameWithDoubleCapture();
    game.setPause(true);
    Points removals;
    Stones additions;

    game.getBoardModifications(removals, additions, -1);
    EXPECT_EQ(removals, (Points{{1, 1}}));
    EXPECT_EQ(additions, (Stones{white(2, 1), white(1, 2)}));
    EXPECT_EQ(game.CurrentNode(), game.Turns()[1].get());

    game.getBoardModifications(removals, additions, 1);
    EXPECT_EQ(removals, (Points{{2, 1}, {1, 2}}));
    EXPECT_EQ(additions, (Stones{black(1, 1)}));
    EXPECT_EQ(game.CurrentNode(), game.Turns()[2].get());
}

TEST(GTPGoReplay, PassesMoveTheNodeWithoutChangingStones)
{
    GTPGoGame game = newGame();
    playStones(game, {{5, 5}});
    passOnce(game);
    playStones(game, {{4, 4}});
    game.setCurrentNode(game.Turns()[1].get());
    Points removals;
    Stones additions;
    game.getBoardModifications(removals, additions, -1);
    EXPECT_TRUE(removals.empty());
    EXPECT_TRUE(additions.empty());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[0].get());

    game.setCurrentNode(game.Turns()[0].get());
    game.getBoardModifications(removals, additions, 1);
    EXPECT_TRUE(removals.empty());
    EXPECT_TRUE(additions.empty());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[1].get());
}

TEST(GTPGoReplay, NeitherEndOfTheLineIsPassed)
{
    GTPGoGame game = newGame();
    playStones(game, {{5, 5}, {4, 4}, {3, 3}});
    game.setPause(true);
    Points removals;
    Stones additions;
    game.getBoardModifications(removals, additions, 5);
    EXPECT_TRUE(removals.empty());
    EXPECT_TRUE(additions.empty());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[2].get());

    // Far more steps back than turns: the first stone stays on the shown board.
    game.getBoardModifications(removals, additions, -10);
    EXPECT_EQ(removals, (Points{{3, 3}, {4, 4}}));
    EXPECT_TRUE(additions.empty());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[0].get());
    game.getBoardModifications(removals, additions, -1);
    EXPECT_TRUE(removals.empty());
    EXPECT_EQ(game.CurrentNode(), game.Turns()[0].get());
}

TEST(GTPGoReplay, GoingBackOverARetakenPointRestoresTheFirstStone)
{
    GTPGoGame game = newGame();
    game.Board().setStones(stonesFromDiagram({
        "X O",
    }));
    // White (1,2) takes Black's (1,1); Black elsewhere; White fills (1,1).
    playStones(game, {{9, 9}, {1, 2}, {5, 5}, {1, 1}});
    game.setPause(true);
    Points removals;
    Stones additions;
    game.getBoardModifications(removals, additions, -3);
    EXPECT_EQ(removals, (Points{{5, 5}, {1, 2}}));
    EXPECT_EQ(additions, (Stones{black(1, 1)}));
    EXPECT_EQ(game.CurrentNode(), game.Turns()[0].get());
}

TEST(GTPGoReplay, AStonePlacedAndTakenInOneForwardRunIsOnlyCleared)
{
    GTPGoGame game = newGame();
    // White (2,1), Black (1,1), White (1,2) takes it.
    playStones(game, {{9, 9}, {2, 1}, {1, 1}, {1, 2}});
    game.setCurrentNode(game.Turns()[0].get());
    Points removals;
    Stones additions;
    game.getBoardModifications(removals, additions, 3);
    EXPECT_EQ(removals, (Points{{1, 1}}));
    EXPECT_EQ(additions, (Stones{white(2, 1), white(1, 2)}));
    EXPECT_EQ(game.CurrentNode(), game.Turns()[3].get());
}

TEST(GTPGoReplay, ReviewBegunBeforeTheFirstMoveShowsItWhenItArrives)
{
    GTPGoGame game = newGame();
    game.setPause(true);
    EXPECT_EQ(game.CurrentNode(), nullptr);
    Points removals;
    Stones additions;
    game.getBoardModifications(removals, additions, -1);
    EXPECT_EQ(game.CurrentNode(), nullptr);

    playStones(game, {{3, 4}});
    game.getBoardModifications(removals, additions, 1);
    EXPECT_EQ(game.CurrentNode(), game.Turns()[0].get());
    EXPECT_TRUE(removals.empty());
    EXPECT_EQ(additions, (Stones{black(3, 4)}));

    GTPGoGame passed = newGame();
    passed.setPause(true);
    passOnce(passed);
    passed.getBoardModifications(removals, additions, 1);
    EXPECT_EQ(passed.CurrentNode(), passed.Turns()[0].get());
    EXPECT_TRUE(removals.empty());
    EXPECT_TRUE(additions.empty());
}

// Stepping about at random through random games must always show the position
// that the board had just after the turn reached.
TEST(GTPGoReplay, RandomStepsAlwaysShowTheRecordedPosition)
{
    constexpr int kGames = 40;
    constexpr int kMaxAttempts = 300;
    constexpr int kSteps = 60;
    for (std::uint32_t seed = 1; seed <= kGames; ++seed) {
        GTPGoGame game = newGame();
        RandomMoveDrawer drawer(seed);
        std::vector<GTPGoBoard::StoneMap> positions;
        for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
            GTPGoMoveMessage message = GTPGoMessageNone;
            if (game.playMove(drawer.draw(game), message)) {
                positions.push_back(game.Board().Stones());
            }
        }
        ASSERT_GE(positions.size(), 2u);
        const std::int32_t turns = static_cast<std::int32_t>(positions.size());

        game.setPause(true);
        GTPGoBoard::StoneMap shown = positions.back();
        std::mt19937 random(seed);
        const std::vector<std::int32_t> choices{-turns, -1, 1, turns, -7, 5, 0};
        for (int i = 0; i < kSteps; ++i) {
            const std::int32_t step = choices[random() % choices.size()];
            Points removals;
            Stones additions;
            game.getBoardModifications(removals, additions, step);
            for (const GTPGoMove& stone : additions) {
                ASSERT_FALSE(stone.IsPass());
                ASSERT_EQ(std::count(removals.begin(), removals.end(), *stone.Point()), 0)
                    << "seed " << seed << ": a point is both added and removed";
                shown[*stone.Point()] = static_cast<std::int32_t>(stone.Color());
            }
            for (const GTPGoPoint& point : removals) {
                shown.erase(point);
            }
            ASSERT_NE(game.CurrentNode(), nullptr);
            ASSERT_EQ(shown, positions[static_cast<std::size_t>(game.CurrentNode()->TurnNumber())])
                << "seed " << seed << ", step " << i << " of " << step << " to turn "
                << game.CurrentNode()->TurnNumber();
        }
    }
}
