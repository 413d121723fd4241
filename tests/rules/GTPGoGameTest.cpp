#include "RulesTestSupport.h"

#include <tuple>

namespace {
constexpr GTPGoMoveMessage kOk = GTPGoMessageNone;
const GTPGoMove kWhitePass = GTPGoMove::pass(GTPGoColorWhite);
const std::vector<std::string> kKo = {". X O .", "X O . O", ". X O ."};
const std::vector<std::string> kSnapback = {"O O . .", "X X O .", "O . O ."};

// On a position, moves of which all but the last are accepted; what the last one gives.
struct Diagram {
    const char* rule;
    std::vector<std::string> position;
    std::vector<GTPGoMove> moves;
    GTPGoMoveMessage code;
    Points captured;
    std::optional<GTPGoPoint> koAfter;
};

const Diagram kDiagrams[] = {
    {"taking a ko bans the point taken", kKo, {black(3, 2)}, kOk, {{2, 2}}, GTPGoPoint(2, 2)},
    {"retaking a ko at once is refused", kKo, {black(3, 2), white(2, 2)}, GTPGoMessageKo, {}, GTPGoPoint(2, 2)},
    {"a move elsewhere lifts the ban", kKo, {black(3, 2), white(9, 9)}, kOk, {}, {}},
    {"so does a pass", kKo, {black(3, 2), kWhitePass}, kOk, {}, {}},
    {"the ko retaken later is banned in turn", kKo, {black(3, 2), white(9, 9), black(9, 1), white(2, 2)}, kOk,
     {{3, 2}}, GTPGoPoint(3, 2)},
    {"out of turn is refused before ko", kKo, {black(3, 2), black(2, 2)}, GTPGoMessageNotYourTurn, {}, GTPGoPoint(2, 2)},
    {"out of turn is refused before occupied", {"X"}, {white(1, 1)}, GTPGoMessageNotYourTurn, {}, {}},
    {"a point holding a stone is refused", {"X O"}, {black(2, 1)}, GTPGoMessageOccupied, {}, {}},
    {"a lone stone without liberties is suicide", {"O .", ". O"}, {black(1, 1)}, GTPGoMessageSuicide, {}, {}},
    {"so is taking its own group's last liberty", {"O . .", ". O .", "X O ."}, {black(1, 2)}, GTPGoMessageSuicide, {}, {}},
    {"a group with a liberty left is not in suicide", {"O . .", ". O .", "X X ."}, {black(1, 2)}, kOk, {}, {}},
    {"filling the last liberty is legal when it captures; two stones taken make no ko", {"X . .", "O X .", ". O X"},
     {black(1, 1)}, kOk, {{2, 1}, {1, 2}}, {}},
    {"a group is taken whole, once, in search order", {"O . .", "X . .", "X X O"}, {black(9, 9), white(2, 2)}, kOk,
     {{1, 2}, {1, 1}, {2, 1}}, {}},
    {"a corner stone is taken by its two neighbours", {}, {black(8, 9), white(9, 9), black(9, 8)}, kOk, {{9, 9}}, {}},
    {"one stone taken by a stone with liberties makes no ko", {"X . .", "O . .", "X . ."}, {black(2, 2)}, kOk,
     {{1, 2}}, {}},
    {"snapback: one stone taken makes no ko when the retake takes more", kSnapback, {black(2, 1)}, kOk, {{1, 1}}, {}},
    {"and the retake takes them", kSnapback, {black(2, 1), white(1, 1)}, kOk, {{2, 1}, {2, 2}, {1, 2}}, {}},
};

}

TEST(GTPGoGame, rule_diagrams_accept_refuse_capture_and_ban_ko_points)
{
    for (const Diagram& row : kDiagrams) {
        SCOPED_TRACE(row.rule);
        double now = 0;
        GTPGoGame game = gameOn(row.position, [&now] { return now += 1; });
        for (std::size_t i = 0; i + 1 < row.moves.size(); ++i) {
            ASSERT_EQ(play(game, row.moves[i]), kOk) << "move " << i;
        }
        const GTPGoMove& move = row.moves.back();
        GTPGoBoard::StoneMap stones = game.Board().Stones();
        const std::size_t turns = game.Turns().size();
        const GTPGoColor toMove = game.ColorToMove();
        const std::optional<GTPGoPoint> koBefore = game.KoPoint();
        const double clockStart = game.Clock().StartingTime();
        GTPGoMoveMessage code = -1;
        const bool accepted = game.playMove(move, code);
        EXPECT_EQ(code, row.code == kOk ? -1 : row.code) << "an accepted move leaves the code alone";
        // A refused move changes nothing; an accepted one places its stone, takes the captured and hands over.
        for (const GTPGoPoint& point : row.captured) {
            stones.erase(point);
        }
        if (accepted && move.Point()) {
            stones[*move.Point()] = static_cast<std::int32_t>(move.Color());
        }
        EXPECT_EQ(game.Board().Stones(), stones);
        EXPECT_EQ(game.Turns().size(), turns + accepted);
        EXPECT_EQ(game.ColorToMove(), accepted ? getOppositeColor(toMove) : toMove);
        EXPECT_EQ(game.KoPoint(), row.koAfter);
        EXPECT_EQ(game.Clock().StartingTime() != clockStart, accepted);
        if (accepted) {
            EXPECT_EQ(game.getLastTurn()->Move(), move);
            const auto killed = row.captured.empty() ? std::nullopt : std::optional(row.captured);
            EXPECT_EQ(game.getLastTurn()->KilledStones(), killed);
            EXPECT_EQ(game.getLastTurn()->OldKoPoint(), koBefore);
        }
    }
}

TEST(GTPGoGame, black_starts_unless_given_two_stones_and_two_passes_in_a_row_end_the_game_with_the_count)
{
    for (const auto& [handicap, first] : {std::pair(0, GTPGoColorBlack), {1, GTPGoColorBlack}, {2, GTPGoColorWhite}}) {
        EXPECT_EQ(GTPGoGame(GTPGoGameInfo(handicap, 600)).ColorToMove(), first) << handicap << " handicap stones";
    }
    double now = 0;
    GTPGoGame game = gameOn({"X O ."}, [&now] { return now += 1; });
    game.GameInfo().setKomi(6.5f);
    // A record out of step with its turns refuses stones and passes alike.
    game.setCurrentTurn(1);
    EXPECT_EQ(play(game, black(5, 5)), GTPGoMessageNotAtEnd);
    EXPECT_EQ(play(game, GTPGoMove::pass(GTPGoColorBlack)), GTPGoMessageNotAtEnd);
    game.setCurrentTurn(0);
    // A pass may open the game; its colour is the one given, not checked against the side to move.
    for (const GTPGoMove& move : {kWhitePass, white(1, 2), black(5, 5), kWhitePass}) {
        ASSERT_EQ(play(game, move), GTPGoMessageNone);
        EXPECT_EQ(game.getLastTurn()->Move(), move);
    }
    const double clockStart = game.Clock().StartingTime();
    GTPGoMoveMessage message = GTPGoMessageNone;
    EXPECT_FALSE(game.playMove(GTPGoMove::pass(GTPGoColorBlack), message)) << "the second pass is not a turn";
    EXPECT_EQ(message, GTPGoMessageNone);
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_EQ(game.Clock().StartingTime(), clockStart);
    EXPECT_EQ(game.ColorToMove(), GTPGoColorBlack);
    EXPECT_EQ(game.Turns().size(), 4u);
    EXPECT_EQ(game.CurrentTurn(), 4);
    // White took one prisoner; only the stones on the board count, and komi.
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorWhite), 1);
    EXPECT_EQ(game.getNumberOfCapturedStones(GTPGoColorBlack), 0);
    ASSERT_TRUE(game.Result());
    const GTPGoGameResult& result = *game.Result();
    EXPECT_EQ(std::tuple(result.WinnerColor(), result.Score(), result.BlackScore(), result.WhiteScore(), result.Timeout()),
              std::tuple(GTPGoColorWhite, 7.5, 1.0, 8.5, false));
    GTPGoGame even = gameOn({});
    even.playMove(kWhitePass, message);
    even.playMove(kWhitePass, message);
    EXPECT_EQ(even.Result()->WinnerColor(), GTPGoColorBlack) << "a draw names Black";
}

TEST(GTPGoGame, the_side_to_move_loses_once_its_period_is_a_second_past_zero_and_review_does_not_stop_the_clock)
{
    double now = 100;
    GTPGoGame game(GTPGoGameInfo(0, 0), [&now] { return now; });
    now += 4;
    ASSERT_EQ(play(game, black(5, 5)), GTPGoMessageNone);
    EXPECT_EQ(game.Clock().BlackTime().ByoYomi(), 30.0) << "one move a period: the next starts full";
    ASSERT_EQ(play(game, white(4, 4)), GTPGoMessageNone);
    game.setPause(true);
    EXPECT_EQ(game.CurrentNode(), game.Turns()[1].get());
    now += 12;
    game.setPause(false);
    now += 18.5;
    EXPECT_FALSE(game.updateClock());
    EXPECT_FALSE(game.IsGameOver());
    now += 0.5;
    EXPECT_TRUE(game.updateClock());
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_FALSE(game.Result()) << "a loss on time has no count";
    EXPECT_EQ(game.Clock().WhiteTime().ByoYomi(), 30.0) << "only the side to move is charged";
}
