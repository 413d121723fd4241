#include "EngineTestSupport.h"
#include "rules/GTPGoGame.h"
#include "tests/support/ChildProcess.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <numeric>
#include <random>

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

constexpr int MaximumTurns = 150;
constexpr int GnuGoPatienceMilliseconds = 30000;

// Our side: a random legal move, or a pass when none is left.
GTPGoMove playRandomMove(GTPGoGame& game, std::mt19937& random)
{
    std::vector<std::int32_t> cells(81);
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), random);
    GTPGoMoveMessage message = GTPGoMessageNone;
    for (const std::int32_t cell : cells) {
        const GTPGoMove move = stone(game.ColorToMove(), cell % 9 + 1, cell / 9 + 1);
        if (game.playMove(move, message)) {
            return move;
        }
    }
    const GTPGoMove pass = GTPGoMove::pass(game.ColorToMove());
    game.playMove(pass, message);
    return pass;
}

}

TEST(GnuGoGame, every_gnugo_answer_is_accepted_by_our_game_record)
{
    const std::string gnugo = findExecutable({"/usr/games/gnugo", "/usr/bin/gnugo"});
    if (gnugo.empty()) {
        GTEST_SKIP() << "GNU Go is not installed";
    }
    LogCapture log;
    WrapperUnderTest engine(
        GTPEngineCommand{gnugo, {"--mode", "gtp", "--never-resign", "--capture-all-dead", "--level", "1", "--seed", "7"}});

    GTPGoGameInfo info(0, 0);
    info.TimeSettings().setMainTime(0);
    info.TimeSettings().setByoYomi(5);
    // No stones per period means no time limit in GTP: GNU Go then keeps to
    // its quick level 1 instead of spending the byo-yomi on every move.
    info.TimeSettings().setNumberOfMovesPerByoYomi(0);
    // Time stands still: the game must end by passes or turns, never on time.
    GTPGoGame game(info, [] { return 0.0; });
    engine.wrapper->clearBoard();
    engine.wrapper->setGameInfo(info);

    std::mt19937 random(20240611);
    std::size_t engineMoves = 0;
    // Counted here rather than from the record, so that a faulty record cannot loop forever.
    for (int turns = 0; turns < MaximumTurns && !game.IsGameOver(); turns += 2) {
        const GTPGoMove ours = playRandomMove(game, random);
        if (game.IsGameOver()) {
            break;
        }
        if (ours.IsPass()) {
            engine.wrapper->pass(ours.Color());
        } else {
            engine.wrapper->playMove(ours.Color(), ours.Point()->X(), ours.Point()->Y());
        }
        engine.wrapper->generateMove(GTPGoColorWhite, 5, 1);
        ASSERT_TRUE(engine.waitForMoves(++engineMoves, GnuGoPatienceMilliseconds))
            << "no answer after turn " << game.Turns().size();
        const GTPGoMove theirs = engine.moves.at(engineMoves - 1);
        ASSERT_EQ(theirs.Color(), GTPGoColorWhite);
        const bool endsTheGame = theirs.IsPass() && ours.IsPass();
        GTPGoMoveMessage message = GTPGoMessageNone;
        ASSERT_TRUE(game.playMove(theirs, message) || endsTheGame)
            << "refused with code " << message << " at turn " << game.Turns().size();
    }
    EXPECT_GT(engineMoves, 10u);
    EXPECT_TRUE(game.IsGameOver() || game.Turns().size() >= static_cast<std::size_t>(MaximumTurns));
    EXPECT_EQ(engine.resigned->count(), 0);
    EXPECT_EQ(engine.failed->count(), 0);
    // GNU Go refused none of our moves.
    EXPECT_THAT(log.lines, Not(Contains(HasSubstr("?")))) << "an engine answer failed";
}
