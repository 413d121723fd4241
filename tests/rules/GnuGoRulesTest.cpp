// GNU Go as an independent referee of the rules: seeded random games judged
// move by move (then reviewed), and the area count of the games it plays against itself.
#include "RulesTestSupport.h"
#include "rules/GTPGoAreaCounting.h"
#include "tests/support/GnuGo.h"
#include "tests/support/RandomMoveDrawer.h"

#include <algorithm>
#include <cstdlib>
#include <future>
#include <random>
#include <set>
#include <thread>

namespace {
std::string moveText(const GTPGoMove& move)
{
    return (move.Color() == GTPGoColorBlack ? "black " : "white ") + (move.Point() ? vertex(*move.Point()) : "pass");
}

// True when the game is the one its record's moves give when played afresh: what a take back must leave.
bool sameAsReplay(const GTPGoGame& game)
{
    GTPGoGame replay = gameOn({});
    for (const auto& turn : game.Turns()) {
        EXPECT_EQ(play(replay, turn->Move()), GTPGoMessageNone);
    }
    return stateOf(replay) == stateOf(game);
}

// Steps about a finished game at random as review does; "" while the board
// shown is always the position just after the turn reached.
std::string reviewGame(GTPGoGame& game, const std::vector<GTPGoBoard::StoneMap>& positions, std::uint32_t seed)
{
    game.setPause(true);
    GTPGoBoard::StoneMap shown = game.Board().Stones();
    const std::int32_t turns = static_cast<std::int32_t>(positions.size());
    const std::int32_t steps[] = {-turns, -1, 1, turns, -7, 5, 0};
    std::mt19937 random(seed);
    Points removals;
    std::vector<GTPGoMove> additions;
    for (int i = 0; i < 60; ++i) {
        game.getBoardModifications(removals, additions, steps[random() % std::size(steps)]);
        for (const GTPGoMove& stone : additions) {
            shown[*stone.Point()] = static_cast<std::int32_t>(stone.Color());
        }
        std::erase_if(shown, [&](const auto& stone) { return std::ranges::count(removals, stone.first) > 0; });
        if (shown != positions.at(static_cast<std::size_t>(game.CurrentNode()->TurnNumber()))) {
            return "review shows another position at step " + std::to_string(i);
        }
    }
    return "";
}

// GNU Go's part of a game, sent in one go at its end: each line with the answer it must get.
using Script = std::vector<std::pair<std::string, std::string>>;

// The lines that list the stones, answered as GNU Go lists them: from the top row, each from A.
void expectPosition(Script& script, const GTPGoBoard::StoneMap& stones)
{
    for (const GTPGoColor color : {GTPGoColorBlack, GTPGoColorWhite}) {
        std::string answer = "=";
        for (std::int32_t at = 0; at < 81; ++at) {
            const GTPGoPoint point(at % 9 + 1, 9 - at / 9);
            answer += stones.contains(point) && stones.at(point) == color ? " " + vertex(point) : "";
        }
        script.emplace_back(GnuGoSession::kListStones[color], answer.size() > 1 ? answer : "= ");
    }
}

// "" when GNU Go answers every line of the script as expected, else the first line it does not.
std::string disagreement(GnuGoSession& gnugo, const Script& script)
{
    std::vector<std::string> lines;
    std::ranges::transform(script, std::back_inserter(lines), [](const auto& line) { return line.first; });
    const std::vector<std::string> answers = gnugo.commands(lines);
    const auto [line, answer] = std::ranges::mismatch(script, answers, {}, [](const auto& l) { return l.second; });
    return line == script.end() ? "" : "line " + std::to_string(line - script.begin()) + " " + line->first + ": " + *answer;
}

// Plays one seeded random game through playMove, now and then taking one or
// two moves back (GNU Go undoes them too); "" while GNU Go agrees with every
// attempt, else the disagreement. Collects the codes met.
std::string refereeGame(GnuGoSession& gnugo, std::uint32_t seed, std::set<GTPGoMoveMessage>& codes)
{
    Script script = {{"clear_board", "= "}};
    GTPGoGame game = gameOn({});
    RandomMoveDrawer drawer(seed);
    std::vector<GTPGoBoard::StoneMap> positions;
    for (int attempt = 0; attempt < 400 && game.Turns().size() < 160; ++attempt) {
        const GTPGoMove move = drawer.draw(game);
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(move, message);
        // GNU Go plays what was accepted (a refusal would be "? illegal move") and finds the rest illegal.
        if (accepted || !move.IsPass()) {
            script.emplace_back((accepted ? "play " : "is_legal ") + moveText(move), accepted ? "= " : "= 0");
        }
        codes.insert(message);
        if (!accepted) {
            continue;
        }
        positions.push_back(game.Board().Stones());
        for (int back = attempt % 7 == 3 ? 1 + attempt % 2 : 0; back > 0 && game.takeBack(); --back) {
            script.emplace_back("undo", "= ");
            positions.pop_back();
            if (!sameAsReplay(game)) {
                return "attempt " + std::to_string(attempt) + ": a take back differs from the replay";
            }
            expectPosition(script, game.Board().Stones());
        }
    }
    expectPosition(script, game.Board().Stones());
    const std::string disagrees = disagreement(gnugo, script);
    return disagrees.empty() ? reviewGame(game, positions, seed) : disagrees;
}

// GNU Go plays one seeded game against itself to two passes under Chinese
// rules, komi 7; "" when our area count of the end, its dead stones taken off,
// agrees with its final_score ("W+7.5", "B+3.5" or "0").
std::string areaCountGame(std::uint32_t seed)
{
    GnuGoSession gnugo({"--chinese-rules", "--never-resign", "--level", "1", "--seed", std::to_string(seed)});
    EXPECT_EQ(body(gnugo.command("komi 7")), "");
    for (int moves = 0, passes = 0; moves < 200 && passes < 2; ++moves) {
        passes = body(gnugo.command(moves % 2 ? "genmove w" : "genmove b")) == "PASS" ? passes + 1 : 0;
    }
    GTPGoBoard board(9, 0);
    board.setStones(gnugo.position());
    const std::string dead = gnugo.command("final_status_list dead");
    Points deadPoints;
    std::ranges::transform(vertexSet(dead), std::back_inserter(deadPoints), pointOf);
    double white = 0, black = 0;
    areaCounting(board, deadPoints, 7, white, black);
    const std::string theirs = body(gnugo.command("final_score"));
    const double margin = theirs == "0" ? 0 : (theirs[0] == 'W' ? 1 : -1) * std::stod(theirs.substr(2));
    return white - black == margin ? "" : "White by " + std::to_string(white - black) + ", GNU Go " + theirs;
}
}

TEST(GnuGoReferee, random_games_are_judged_move_by_move_as_gnu_go_judges_them_and_review_shows_their_positions)
{
    GnuGoSession gnugo;
    std::set<GTPGoMoveMessage> codes;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        ASSERT_EQ(refereeGame(gnugo, seed, codes), "") << "seed " << seed;
    }
    // The games met every refusal they can: the drawer always plays the side to move.
    EXPECT_EQ(codes, std::set({GTPGoMessageNone, GTPGoMessageKo, GTPGoMessageOccupied, GTPGoMessageSuicide}));
}

TEST(GnuGoAreaCount, gnu_go_self_played_games_score_as_gnu_go_scores_them)
{
    // HOSHI_AREA_GAMES raises the number of games for a one-off run.
    const char* games = std::getenv("HOSHI_AREA_GAMES");
    const std::uint32_t count = games ? static_cast<std::uint32_t>(std::stoul(games)) : 20;
    // A few games at once: GNU Go thinks on every core.
    const std::uint32_t together = std::max(2u, std::thread::hardware_concurrency());
    for (std::uint32_t first = 1; first <= count; first += together) {
        std::vector<std::future<std::string>> games;
        for (std::uint32_t seed = first; seed < first + together && seed <= count; ++seed) {
            games.push_back(std::async(std::launch::async, areaCountGame, seed));
        }
        for (std::size_t i = 0; i < games.size(); ++i) {
            EXPECT_EQ(games[i].get(), "") << "seed " << first + i;
        }
    }
}
