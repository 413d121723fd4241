// GNU Go as a referee: seeded random games go through GTPGoGame::playMove and
// every attempt is compared with GNU Go's own judgement of the same position.
#include "tests/support/GnuGo.h"
#include "rules/GTPGoGame.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RandomMoveDrawer.h"

#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <set>

namespace {
constexpr std::uint32_t kGames = 200;
constexpr int kMaxAttempts = 400;
constexpr std::size_t kMaxTurns = 160;

std::string moveText(const GTPGoMove& move)
{
    return (move.Color() == GTPGoColorBlack ? "black " : "white ") + (move.Point() ? vertex(*move.Point()) : "pass");
}

std::set<std::string> stonesOf(const GTPGoBoard& board, GTPGoColor color)
{
    std::set<std::string> vertices;
    for (const auto& [point, stone] : board.Stones()) {
        if (stone == color) {
            vertices.insert(vertex(point));
        }
    }
    return vertices;
}

struct Tally {
    std::array<int, 6> refusals{};
    int accepted = 0;
};

// Plays one seeded game; false on the first disagreement with GNU Go.
bool playGame(ChildProcess& gnugo, std::uint32_t seed, Tally& tally)
{
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::string record;
    EXPECT_EQ(body(gnugo.command("clear_board")), "");
    GTPGoGame game(GTPGoGameInfo(0, 600), [] { return 0.0; });
    RandomMoveDrawer drawer(seed);

    for (int attempt = 0; attempt < kMaxAttempts && game.Turns().size() < kMaxTurns; ++attempt) {
        const GTPGoMove move = drawer.draw(game);
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(move, message);
        // One round trip per attempt: the question, and for an accepted move the move and both stone lists.
        if (!move.IsPass()) {
            gnugo.writeLine("is_legal " + moveText(move));
        }
        if (accepted) {
            gnugo.writeLine("play " + moveText(move));
            gnugo.writeLine("list_stones black");
            gnugo.writeLine("list_stones white");
        }
        if (!move.IsPass() && (body(gnugo.readAnswer()) == "1") != accepted) {
            ADD_FAILURE() << moveText(move) << (accepted ? " accepted" : " refused")
                          << " with code " << message << ", GNU Go disagrees, after: " << record;
            return false;
        }
        if (!accepted) {
            EXPECT_FALSE(move.IsPass()) << "a single pass is always accepted";
            ++tally.refusals.at(static_cast<std::size_t>(message));
            continue;
        }
        ++tally.accepted;
        record += moveText(move) + "; ";
        EXPECT_EQ(body(gnugo.readAnswer()), "");
        const std::set<std::string> black = vertexSet(gnugo.readAnswer());
        const std::set<std::string> white = vertexSet(gnugo.readAnswer());
        if (black != stonesOf(game.Board(), GTPGoColorBlack) || white != stonesOf(game.Board(), GTPGoColorWhite)) {
            ADD_FAILURE() << "positions differ after: " << record;
            return false;
        }
    }

    // Two passes in a row end the game; the count is the stones both sides see.
    while (!game.IsGameOver()) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        game.playMove(GTPGoMove::pass(game.ColorToMove()), message);
    }
    const std::size_t black = vertexSet(gnugo.command("list_stones black")).size();
    EXPECT_EQ(game.Result()->BlackScore(), static_cast<double>(black));
    const std::size_t white = vertexSet(gnugo.command("list_stones white")).size();
    EXPECT_EQ(game.Result()->WhiteScore(), static_cast<double>(white));
    return true;
}
}

TEST(GnuGoReferee, RandomGamesAgreeMoveByMove)
{
    const std::string path = findExecutable({"/usr/games/gnugo", "/usr/bin/gnugo"});
    ASSERT_FALSE(path.empty()) << "GNU Go is needed (Debian package gnugo; ./test.sh installs it)";
    ChildProcess gnugo({path, "--mode", "gtp"});
    ASSERT_TRUE(gnugo.isRunning());
    ASSERT_EQ(body(gnugo.command("boardsize 9")), "");
    Tally tally;
    for (std::uint32_t seed = 1; seed <= kGames; ++seed) {
        ASSERT_TRUE(playGame(gnugo, seed, tally));
    }
    const auto& refusals = tally.refusals;
    std::cout << "referee: " << kGames << " games, " << tally.accepted << " accepted moves; refusals: ko "
              << refusals[GTPGoMessageKo] << ", occupied " << refusals[GTPGoMessageOccupied] << ", suicide "
              << refusals[GTPGoMessageSuicide] << std::endl;
    EXPECT_GT(refusals[GTPGoMessageKo], 0);
    EXPECT_GT(refusals[GTPGoMessageOccupied], 0);
    EXPECT_GT(refusals[GTPGoMessageSuicide], 0);
    // Moves are always drawn for the side to move on an up-to-date record.
    EXPECT_EQ(refusals[GTPGoMessageNotYourTurn], 0);
    EXPECT_EQ(refusals[GTPGoMessageNotAtEnd], 0);
}
