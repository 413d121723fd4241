#include "RulesTestSupport.h"

#include <algorithm>
#include <tuple>

namespace {
constexpr GTPGoMoveMessage kOk = GTPGoMessageNone;
const GTPGoMove kWhitePass = GTPGoMove::pass(GTPGoColorWhite);
const std::vector<std::string> kKo = {". X O .", "X O . O", ". X O ."};
const std::vector<std::string> kSnapback = {"O O . .", "X X O .", "O . O ."};

// The rule; a position; moves of which all but the last are accepted; what the
// last one gives: its code, the stones it takes in search order, the ko point after.
using Diagram = std::tuple<const char*, std::vector<std::string>, std::vector<GTPGoMove>, GTPGoMoveMessage, Points,
                           std::optional<GTPGoPoint>>;

const Diagram kDiagrams[] = {
    {"taking a ko bans the point taken", kKo, {black(3, 2)}, kOk, {{2, 2}}, GTPGoPoint(2, 2)},
    {"retaking a ko at once is refused", kKo, {black(3, 2), white(2, 2)}, GTPGoMessageKo, {}, GTPGoPoint(2, 2)},
    {"a move elsewhere lifts the ban", kKo, {black(3, 2), white(9, 9)}, kOk, {}, {}},
    {"out of turn is refused before occupied", {"X"}, {white(1, 1)}, GTPGoMessageNotYourTurn, {}, {}},
    {"a point holding a stone is refused", {"X O"}, {black(2, 1)}, GTPGoMessageOccupied, {}, {}},
    {"a lone stone without liberties is suicide", {"O .", ". O"}, {black(1, 1)}, GTPGoMessageSuicide, {}, {}},
    {"so is filling its group's last liberty", {"O . .", ". O .", "X O ."}, {black(1, 2)}, GTPGoMessageSuicide, {}, {}},
    {"a group with a liberty left is not in suicide", {"O . .", ". O .", "X X ."}, {black(1, 2)}, kOk, {}, {}},
    {"filling the last liberty is legal when it captures; two stones taken make no ko", {"X . .", "O X .", ". O X"},
     {black(1, 1)}, kOk, {{2, 1}, {1, 2}}, {}},
    {"a group is taken whole, once", {"O . .", "X . .", "X X O"}, {black(9, 9), white(2, 2)}, kOk,
     {{1, 2}, {1, 1}, {2, 1}}, {}},
    {"snapback: one stone taken makes no ko when the retake takes more", kSnapback, {black(2, 1)}, kOk, {{1, 1}}, {}},
    {"and the retake takes them", kSnapback, {black(2, 1), white(1, 1)}, kOk, {{2, 1}, {2, 2}, {1, 2}}, {}},
};
}

// A refused move changes nothing; an accepted one places its stone, takes the
// captured and hands over, and a take back undoes it, ko ban included.
TEST(GTPGoGame, rule_diagrams_accept_refuse_capture_and_ban_ko_points_and_a_take_back_undoes_an_accepted_move)
{
    for (const auto& [rule, position, moves, code, captured, koAfter] : kDiagrams) {
        GTPGoGame game = gameOn(position);
        for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
            ASSERT_EQ(play(game, moves[i]), kOk) << rule;
        }
        const auto before = stateOf(game);
        auto [stones, ko, toMove, turns] = before;
        ASSERT_EQ(play(game, moves.back()), code) << rule;
        if (code == kOk) {
            std::erase_if(stones, [&](const auto& stone) { return std::ranges::count(captured, stone.first) > 0; });
            stones[*moves.back().Point()] = static_cast<std::int32_t>(moves.back().Color());
            toMove = getOppositeColor(toMove);
            EXPECT_EQ(game.getLastTurn()->KilledStones().value_or(Points()), captured) << rule;
        }
        EXPECT_EQ(stateOf(game), std::tuple(stones, koAfter, toMove, turns + (code == kOk))) << rule;
        EXPECT_TRUE(code != kOk || (game.takeBack() && stateOf(game) == before)) << rule;
    }
}

TEST(GTPGoGame, two_passes_in_a_row_end_the_game_with_the_count_and_a_take_back_reopens_it)
{
    GTPGoGame game = gameOn({"X O ."});
    game.GameInfo().setKomi(6.5f);
    // A pass may open the game; its colour is the one given, not checked against the side to move.
    for (const GTPGoMove& move : {kWhitePass, white(1, 2), black(5, 5), kWhitePass}) {
        ASSERT_EQ(play(game, move), kOk);
        EXPECT_EQ(game.getLastTurn()->Move(), move);
    }
    GTPGoMoveMessage message = kOk;
    EXPECT_FALSE(game.playMove(GTPGoMove::pass(GTPGoColorBlack), message)) << "the second pass is not a turn";
    // The code is left alone; White took one prisoner; only the stones on the board count, and komi.
    const auto end = [&] {
        const GTPGoGameResult& r = game.Result().value_or(GTPGoGameResult(GTPGoColorEmpty, 0, 0, 0, true));
        return std::tuple(message, game.IsGameOver(), game.End(), game.Winner(), game.ColorToMove(),
                          game.Turns().size(), game.getNumberOfCapturedStones(GTPGoColorWhite), r.WinnerColor(),
                          r.Score(), r.BlackScore(), r.WhiteScore(), r.Timeout());
    };
    EXPECT_EQ(end(), std::tuple(kOk, true, GTPGoGameEnd::TwoPasses, GTPGoColorWhite, GTPGoColorBlack, 4u, 1,
                                GTPGoColorWhite, 7.5, 1.0, 8.5, false));
    // The area count, Black's stone dead, gives White every point.
    game.acceptAreaCount({{5, 5}});
    EXPECT_EQ(std::get<8>(end()), 87.5);
    ASSERT_TRUE(game.takeBack());
    EXPECT_EQ(end(), std::tuple(kOk, false, GTPGoGameEnd::None, GTPGoColorEmpty, GTPGoColorBlack, 4u, 1,
                                GTPGoColorEmpty, 0.0, 0.0, 0.0, true));
}
