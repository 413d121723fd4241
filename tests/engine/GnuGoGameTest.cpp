#include "EngineTestSupport.h"
#include "engine/GTPEngineLocator.h"
#include "rules/GTPGoGame.h"
#include "tests/support/ChildProcess.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <random>

namespace {

constexpr int MaximumTurns = 150;
constexpr int GnuGoPatienceMilliseconds = 30000;

// Our side: a random legal move, or a pass when none is left.
GTPGoMove playRandomMove(GTPGoGame& game, std::mt19937& random)
{
    std::vector<GTPGoPoint> points;
    for (std::int32_t x = 1; x <= 9; ++x) {
        for (std::int32_t y = 1; y <= 9; ++y) {
            points.emplace_back(x, y);
        }
    }
    std::shuffle(points.begin(), points.end(), random);
    for (const GTPGoPoint& point : points) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        const GTPGoMove move = GTPGoMove::stone(game.ColorToMove(), point);
        if (game.playMove(move, message)) {
            return move;
        }
    }
    const GTPGoMove pass = GTPGoMove::pass(game.ColorToMove());
    GTPGoMoveMessage message = GTPGoMessageNone;
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
    GTPEngineCommand command{gnugo, {"--mode", "gtp", "--never-resign", "--capture-all-dead", "--level", "1",
                                     "--seed", "7"}};
    LogCapture log;
    WrapperUnderTest engine(command);
    const auto pid = static_cast<pid_t>(engine.wrapper->processId());

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
    int engineMoves = 0;
    int enginePasses = 0;
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
        while (engine.moves.size() <= static_cast<std::size_t>(engineMoves)) {
            ASSERT_TRUE(engine.played->wait(GnuGoPatienceMilliseconds)) << "no answer after turn " << game.Turns().size();
        }
        const GTPGoMove theirs = engine.moves.at(static_cast<std::size_t>(engineMoves++));
        ASSERT_EQ(theirs.Color(), GTPGoColorWhite);
        const bool endsTheGame = theirs.IsPass() && ours.IsPass();
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(theirs, message);
        if (theirs.IsPass()) {
            ++enginePasses;
        }
        ASSERT_TRUE(accepted || endsTheGame) << "refused with code " << message << " at turn " << game.Turns().size();
    }
    EXPECT_GT(engineMoves, 10);
    EXPECT_TRUE(game.IsGameOver() || game.Turns().size() >= static_cast<std::size_t>(MaximumTurns));
    EXPECT_EQ(engine.resigned->count(), 0);
    EXPECT_EQ(engine.failed->count(), 0);
    // GNU Go refused none of our moves.
    EXPECT_FALSE(log.contains("?")) << "an engine answer failed";
    engine.wrapper.reset();
    EXPECT_FALSE(processExists(pid));
    RecordProperty("engine_moves", engineMoves);
    RecordProperty("engine_passes", enginePasses);
}
