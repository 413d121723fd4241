#include "RulesTestSupport.h"

#include "tests/support/RandomMoveDrawer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {
using Stones = std::vector<GTPGoMove>;

// Steps from turn `from` and checks what the shown board must change and where it lands.
void expectStep(GTPGoGame& game, std::int32_t from, std::int32_t step, const Points& removals,
                const Stones& additions, std::int32_t to)
{
    SCOPED_TRACE("from turn " + std::to_string(from) + ", step " + std::to_string(step));
    game.setCurrentNode(game.Turns()[static_cast<std::size_t>(from)].get());
    // Left over from an earlier step: every call starts with empty lists.
    Points gotRemovals{{4, 4}};
    Stones gotAdditions{black(4, 4)};
    game.getBoardModifications(gotRemovals, gotAdditions, step);
    EXPECT_EQ(gotRemovals, removals);
    EXPECT_EQ(gotAdditions, additions);
    ASSERT_NE(game.CurrentNode(), nullptr);
    EXPECT_EQ(game.CurrentNode()->TurnNumber(), to);
}
}

TEST(GTPGoReplay, StepsRestoreAndRemoveStonesOverCapturesAndPassesWithinTheLine)
{
    // Turns: 0 Black (9,9), 1 White (2,1), 2 Black (1,1) takes (2,1) and (1,2), 3 White passes, 4 Black (5,5).
    GTPGoGame game = gameOn({"X . .",
                             "O X .",
                             ". . X"});
    playStones(game, {{9, 9}, {2, 1}, {1, 1}});
    pass(game);
    playStones(game, {{5, 5}});
    game.setPause(true);

    expectStep(game, 2, -1, {{1, 1}}, {white(2, 1), white(1, 2)}, 1);
    expectStep(game, 1, 1, {{2, 1}, {1, 2}}, {black(1, 1)}, 2);
    expectStep(game, 2, 0, {}, {}, 2);
    expectStep(game, 3, -1, {}, {}, 2);
    expectStep(game, 2, 1, {}, {}, 3);
    // A stone placed and taken within one run is only cleared, in both directions.
    expectStep(game, 0, 2, {{2, 1}, {1, 2}}, {black(1, 1)}, 2);
    expectStep(game, 2, -2, {{1, 1}, {2, 1}}, {white(1, 2)}, 0);
    // Neither end of the line is passed, and the first turn's stone stays shown.
    expectStep(game, 4, 5, {}, {}, 4);
    expectStep(game, 4, -10, {{5, 5}, {1, 1}, {2, 1}}, {white(1, 2)}, 0);
    expectStep(game, 0, -1, {}, {}, 0);
}

TEST(GTPGoReplay, ReviewBegunBeforeTheFirstMoveShowsItWhenItArrives)
{
    for (const bool firstIsPass : {false, true}) {
        SCOPED_TRACE(firstIsPass ? "a pass" : "a stone");
        GTPGoGame game = gameOn({});
        game.setPause(true);
        Points removals;
        Stones additions;
        game.getBoardModifications(removals, additions, -1);
        EXPECT_EQ(game.CurrentNode(), nullptr);

        firstIsPass ? (void)pass(game) : playStones(game, {{3, 4}});
        game.getBoardModifications(removals, additions, 1);
        EXPECT_EQ(game.CurrentNode(), game.Turns()[0].get());
        EXPECT_TRUE(removals.empty());
        EXPECT_EQ(additions, firstIsPass ? Stones{} : Stones{black(3, 4)});
    }
}

// Stepping about at random through random games must always show the position
// that the board had just after the turn reached.
TEST(GTPGoReplay, RandomStepsAlwaysShowTheRecordedPosition)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        GTPGoGame game = gameOn({});
        RandomMoveDrawer drawer(seed);
        std::vector<GTPGoBoard::StoneMap> positions;
        for (int attempt = 0; attempt < 300; ++attempt) {
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
        Points removals;
        Stones additions;
        for (int i = 0; i < 60; ++i) {
            const std::int32_t step = choices[random() % choices.size()];
            game.getBoardModifications(removals, additions, step);
            for (const GTPGoMove& stone : additions) {
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
