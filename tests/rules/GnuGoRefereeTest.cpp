// GNU Go as a referee: seeded random games go through GTPGoGame::playMove and
// every attempt is compared with GNU Go's own judgement of the same position.
#include "rules/GTPGoGame.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RandomMoveDrawer.h"

#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr std::uint32_t kGames = 200;
constexpr int kMaxAttempts = 400;
constexpr std::size_t kMaxTurns = 160;

std::string vertex(const GTPGoPoint& point)
{
    static const std::string columns = "ABCDEFGHJ";
    return columns.at(static_cast<std::size_t>(point.X() - 1)) + std::to_string(point.Y());
}

std::string colorWord(GTPGoColor color)
{
    return color == GTPGoColorBlack ? "black" : "white";
}

std::string moveText(const GTPGoMove& move)
{
    return colorWord(move.Color()) + " " + (move.Point() ? vertex(*move.Point()) : "pass");
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

// The body of a successful answer; "= A1 B2" gives "A1 B2".
std::string body(const std::string& answer)
{
    EXPECT_EQ(answer.substr(0, 1), "=") << answer;
    return answer.size() > 2 ? answer.substr(2) : "";
}

std::set<std::string> vertexSet(const std::string& answer)
{
    std::istringstream words(body(answer));
    std::set<std::string> vertices;
    for (std::string word; words >> word;) {
        vertices.insert(word);
    }
    return vertices;
}

class GnuGoReferee : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string gnugo = findExecutable({"/usr/games/gnugo", "/usr/bin/gnugo"});
        ASSERT_FALSE(gnugo.empty()) << "GNU Go is needed (Debian package gnugo; ./test.sh installs it)";
        m_engine = std::make_unique<ChildProcess>(std::vector<std::string>{gnugo, "--mode", "gtp"});
        ASSERT_TRUE(m_engine->isRunning());
        ASSERT_EQ(body(m_engine->command("boardsize 9")), "");
    }

    std::string record() const
    {
        std::string text;
        for (const std::string& move : m_record) {
            text += move + "; ";
        }
        return text;
    }

    // Plays one seeded game; false on the first disagreement.
    bool playGame(std::uint32_t seed);
    bool compareStones(const GTPGoGame& game, std::uint32_t seed);

    std::unique_ptr<ChildProcess> m_engine;
    std::vector<std::string> m_record;
    std::array<int, 6> m_refusals{};
    int m_accepted = 0;
};

bool GnuGoReferee::compareStones(const GTPGoGame& game, std::uint32_t seed)
{
    const std::set<std::string> black = vertexSet(m_engine->readAnswer());
    const std::set<std::string> white = vertexSet(m_engine->readAnswer());
    const bool same = black == stonesOf(game.Board(), GTPGoColorBlack) && white == stonesOf(game.Board(), GTPGoColorWhite);
    EXPECT_TRUE(same) << "positions differ, seed " << seed << ", moves: " << record();
    return same;
}

bool GnuGoReferee::playGame(std::uint32_t seed)
{
    m_record.clear();
    EXPECT_EQ(body(m_engine->command("clear_board")), "");
    GTPGoGame game(GTPGoGameInfo(0, 600), [] { return 0.0; });
    RandomMoveDrawer drawer(seed);

    for (int attempt = 0; attempt < kMaxAttempts && game.Turns().size() < kMaxTurns; ++attempt) {
        const GTPGoMove move = drawer.draw(game);
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(move, message);
        // One round trip per attempt: the question, and for an accepted move the move and both stone lists.
        if (!move.IsPass()) {
            m_engine->writeLine("is_legal " + moveText(move));
        }
        if (accepted) {
            m_engine->writeLine("play " + moveText(move));
            m_engine->writeLine("list_stones black");
            m_engine->writeLine("list_stones white");
        }
        if (!move.IsPass()) {
            const bool legal = body(m_engine->readAnswer()) == "1";
            if (legal != accepted) {
                ADD_FAILURE() << "seed " << seed << ": " << moveText(move) << (accepted ? " accepted" : " refused")
                              << " with code " << message << ", GNU Go says " << (legal ? "legal" : "illegal")
                              << ", after: " << record();
                return false;
            }
        }
        if (!accepted) {
            EXPECT_TRUE(!move.IsPass()) << "a single pass is always accepted";
            ++m_refusals.at(static_cast<std::size_t>(message));
            continue;
        }
        ++m_accepted;
        m_record.push_back(moveText(move));
        if (body(m_engine->readAnswer()) != "" || !compareStones(game, seed)) {
            return false;
        }
    }

    // Two passes in a row end the game; the count is the stones both sides see.
    GTPGoMoveMessage message = GTPGoMessageNone;
    while (!game.IsGameOver()) {
        game.playMove(GTPGoMove::pass(game.ColorToMove()), message);
    }
    const std::size_t black = vertexSet(m_engine->command("list_stones black")).size();
    const std::size_t white = vertexSet(m_engine->command("list_stones white")).size();
    EXPECT_EQ(game.Result()->BlackScore(), static_cast<double>(black)) << "seed " << seed;
    EXPECT_EQ(game.Result()->WhiteScore(), static_cast<double>(white)) << "seed " << seed;
    return true;
}
}

TEST_F(GnuGoReferee, RandomGamesAgreeMoveByMove)
{
    for (std::uint32_t seed = 1; seed <= kGames; ++seed) {
        ASSERT_TRUE(playGame(seed));
    }
    std::cout << "referee: " << kGames << " games, " << m_accepted << " accepted moves; refusals: ko "
              << m_refusals[GTPGoMessageKo] << ", occupied " << m_refusals[GTPGoMessageOccupied] << ", suicide "
              << m_refusals[GTPGoMessageSuicide] << std::endl;
    EXPECT_GT(m_refusals[GTPGoMessageKo], 0);
    EXPECT_GT(m_refusals[GTPGoMessageOccupied], 0);
    EXPECT_GT(m_refusals[GTPGoMessageSuicide], 0);
    // Moves are always drawn for the side to move on an up-to-date record.
    EXPECT_EQ(m_refusals[GTPGoMessageNotYourTurn], 0);
    EXPECT_EQ(m_refusals[GTPGoMessageNotAtEnd], 0);
}
