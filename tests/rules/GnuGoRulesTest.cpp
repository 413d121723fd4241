// GNU Go as an independent referee of the rules: seeded random games judged
// move by move, and the area count of the games it plays against itself.
#include "RulesTestSupport.h"
#include "rules/GTPGoAreaCounting.h"
#include "tests/support/GnuGo.h"
#include "tests/support/RandomMoveDrawer.h"

#include <cstdlib>
#include <iostream>
#include <map>

namespace {
std::string moveText(const GTPGoMove& move)
{
    return (move.Color() == GTPGoColorBlack ? "black " : "white ") + (move.Point() ? vertex(*move.Point()) : "pass");
}

// The game a record's moves give when played afresh: what a take back must leave.
std::string differenceFromReplay(const GTPGoGame& game)
{
    GTPGoGame replay = gameOn({});
    for (const auto& turn : game.Turns()) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        replay.playMove(turn->Move(), message);
    }
    const bool same = replay.Board().Stones() == game.Board().Stones() && replay.KoPoint() == game.KoPoint()
        && replay.ColorToMove() == game.ColorToMove()
        && replay.getNumberOfCapturedStones(GTPGoColorBlack) == game.getNumberOfCapturedStones(GTPGoColorBlack)
        && replay.getNumberOfCapturedStones(GTPGoColorWhite) == game.getNumberOfCapturedStones(GTPGoColorWhite);
    return same ? "" : "the game taken back differs from its replay";
}

// Plays one seeded random game through playMove, now and then taking one or
// two moves back (GNU Go undoes them too); "" while GNU Go agrees with every
// attempt, else the disagreement. Counts the refusals by code.
std::string refereeGame(GnuGoSession& gnugo, std::uint32_t seed, std::map<GTPGoMoveMessage, int>& refusals)
{
    EXPECT_EQ(body(gnugo.command("clear_board")), "");
    GTPGoGame game = gameOn({});
    RandomMoveDrawer drawer(seed);
    std::string record;
    for (int attempt = 0; attempt < 400 && game.Turns().size() < 160; ++attempt) {
        const GTPGoMove move = drawer.draw(game);
        GTPGoMoveMessage message = GTPGoMessageNone;
        const bool accepted = game.playMove(move, message);
        // One round trip: the question and, for an accepted move, the move and the position after it.
        if (!move.IsPass()) {
            gnugo.writeLine("is_legal " + moveText(move));
        }
        if (accepted) {
            gnugo.writeLine("play " + moveText(move));
            gnugo.askPosition();
        }
        if (!move.IsPass() && (body(gnugo.readAnswer()) == "1") != accepted) {
            return moveText(move) + (accepted ? " accepted" : " refused") + " with code " + std::to_string(message)
                + ", GNU Go disagrees, after: " + record;
        }
        ++refusals[accepted ? GTPGoMessageNone : message];
        if (accepted) {
            record += moveText(move) + "; ";
            EXPECT_EQ(body(gnugo.readAnswer()), "");
            if (gnugo.readPosition() != game.Board().Stones()) {
                return "positions differ after: " + record;
            }
        }
        if (accepted && attempt % 7 == 3) {
            for (int back = 1 + attempt % 2; back > 0 && game.takeBack(); --back) {
                EXPECT_EQ(body(gnugo.command("undo")), "");
                record += "take back; ";
            }
            if (!differenceFromReplay(game).empty() || gnugo.position() != game.Board().Stones()) {
                return differenceFromReplay(game) + " or GNU Go's undo differs, after: " + record;
            }
        }
    }
    return "";
}

// GNU Go plays one seeded game against itself to two passes under Chinese
// rules; "" when our area count of the end, its dead stones taken off, agrees
// with its final_score ("W+7.5", "B+3.5" or "0").
std::string areaCountGame(std::uint32_t seed)
{
    GnuGoSession gnugo({"--chinese-rules", "--never-resign", "--level", "1", "--seed", std::to_string(seed)});
    // Every fifth game is a handicap game, with 2 to 5 stones and komi 0.5.
    const std::uint32_t handicap = seed % 5 == 0 ? 2 + seed / 5 % 4 : 0;
    const std::string komi = handicap > 0 ? "0.5" : "7";
    EXPECT_EQ(body(gnugo.command("komi " + komi)), "");
    if (handicap > 0) {
        EXPECT_FALSE(body(gnugo.command("fixed_handicap " + std::to_string(handicap))).empty());
    }
    bool blackToMove = handicap == 0;
    for (int moves = 0, passes = 0; moves < 200 && passes < 2; ++moves, blackToMove = !blackToMove) {
        passes = body(gnugo.command(blackToMove ? "genmove b" : "genmove w")) == "PASS" ? passes + 1 : 0;
    }
    GTPGoBoard board(9, 0);
    board.setStones(gnugo.position());
    const std::string dead = gnugo.command("final_status_list dead");
    Points deadPoints;
    for (const std::string& word : vertexSet(dead)) {
        deadPoints.push_back(pointOf(word));
    }
    double white = 0;
    double black = 0;
    // GNU Go's Chinese count also gives White a point per handicap stone, on top of komi.
    areaCounting(board, deadPoints, std::stod(komi) + handicap, white, black);
    const std::string theirs = body(gnugo.command("final_score"));
    if (white - black == (theirs == "0" ? 0 : (theirs[0] == 'W' ? 1 : -1) * std::stod(theirs.substr(2)))) {
        return "";
    }
    return "komi " + komi + ": ours W " + std::to_string(white) + " B " + std::to_string(black) + ", GNU Go " + theirs
        + "; dead: " + body(dead) + "\n" + body(gnugo.command("showboard"));
}
}

TEST(GnuGoReferee, random_games_are_judged_move_by_move_as_gnu_go_judges_them)
{
    GnuGoSession gnugo;
    std::map<GTPGoMoveMessage, int> refusals;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        ASSERT_EQ(refereeGame(gnugo, seed, refusals), "") << "seed " << seed;
    }
    std::cout << "referee: 200 games, " << refusals[GTPGoMessageNone] << " accepted moves; refusals: ko "
              << refusals[GTPGoMessageKo] << ", occupied " << refusals[GTPGoMessageOccupied] << ", suicide "
              << refusals[GTPGoMessageSuicide] << std::endl;
    for (const GTPGoMoveMessage code : {GTPGoMessageKo, GTPGoMessageOccupied, GTPGoMessageSuicide}) {
        EXPECT_GT(refusals[code], 0) << "the games met no refusal with code " << code;
    }
}

// Exact on these seeds. Larger runs meet a few handicap games that both sides
// pass with open borders: GNU Go's final_score then shares the open regions by
// its own estimate, where an area count gives them to nobody.
TEST(GnuGoAreaCount, gnu_go_self_played_games_score_as_gnu_go_scores_them)
{
    // HOSHI_AREA_GAMES raises the number of games for a one-off run.
    const char* games = std::getenv("HOSHI_AREA_GAMES");
    const std::uint32_t count = games ? static_cast<std::uint32_t>(std::stoul(games)) : 20;
    std::uint32_t disagreements = 0;
    for (std::uint32_t seed = 1; seed <= count; ++seed) {
        const std::string difference = areaCountGame(seed);
        disagreements += difference.empty() ? 0 : 1;
        EXPECT_EQ(difference, "") << "seed " << seed;
    }
    std::cout << "area count: " << count - disagreements << " agree, " << disagreements << " disagree" << std::endl;
}
