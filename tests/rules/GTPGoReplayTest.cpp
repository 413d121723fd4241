#include "RulesTestSupport.h"
#include "tests/support/RandomMoveDrawer.h"

#include <algorithm>
#include <random>

namespace {
// Applies one step's changes to the shown position.
void apply(GTPGoBoard::StoneMap& shown, const Points& removals, const std::vector<GTPGoMove>& additions)
{
    for (const GTPGoMove& stone : additions) {
        ASSERT_EQ(std::count(removals.begin(), removals.end(), *stone.Point()), 0) << "a point added and removed";
        shown[*stone.Point()] = static_cast<std::int32_t>(stone.Color());
    }
    for (const GTPGoPoint& point : removals) {
        shown.erase(point);
    }
}
}

// Review may begin before the first move (the engine's answer then arrives
// during it); stepping about at random must always show the position the
// board had just after the turn reached.
TEST(GTPGoReplay, random_steps_through_random_games_always_show_the_recorded_position)
{
    Points removals;
    std::vector<GTPGoMove> additions;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        GTPGoGame game = gameOn({});
        RandomMoveDrawer drawer(seed);
        GTPGoBoard::StoneMap shown;
        game.setPause(true);
        game.getBoardModifications(removals, additions, -1);
        apply(shown, removals, additions);
        ASSERT_EQ(play(game, seed % 8 ? drawer.draw(game) : GTPGoMove::pass(GTPGoColorBlack)), GTPGoMessageNone);
        game.getBoardModifications(removals, additions, 1);
        apply(shown, removals, additions);
        ASSERT_EQ(game.CurrentNode(), game.Turns()[0].get());
        std::vector<GTPGoBoard::StoneMap> positions{game.Board().Stones()};
        ASSERT_EQ(shown, positions[0]);
        game.setPause(false);
        for (int attempt = 0; attempt < 300; ++attempt) {
            GTPGoMoveMessage message = GTPGoMessageNone;
            if (game.playMove(drawer.draw(game), message)) {
                positions.push_back(game.Board().Stones());
            }
        }
        game.setPause(true);
        shown = positions.back();
        const std::int32_t turns = static_cast<std::int32_t>(positions.size());
        const std::int32_t steps[] = {-turns, -1, 1, turns, -7, 5, 0};
        std::mt19937 random(seed);
        for (int i = 0; i < 60; ++i) {
            const std::int32_t step = steps[random() % std::size(steps)];
            game.getBoardModifications(removals, additions, step);
            apply(shown, removals, additions);
            ASSERT_EQ(shown, positions[static_cast<std::size_t>(game.CurrentNode()->TurnNumber())])
                << "step " << i << " of " << step << " to turn " << game.CurrentNode()->TurnNumber();
        }
    }
}
