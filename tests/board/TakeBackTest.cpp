// Taking a move back leaves the board, the record, the marks and the message as
// they were before, and the engine as it was too.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(TakeBack, theBoardAndTheEngineAreAsTheyWereBeforeThePlayersLastMove)
{
    const struct {
        const char* name;
        Game game;
        std::vector<std::string> before, taken;
        QStringList sentOnTakeBack;
    } rows[] = {
        // A2 takes A1; the take back puts it back with the ring, the prisoner count and the engine's pass message.
        {"a capture", {GTPGoColorBlack, 0, kEnglish, 300, {"A1", "PASS", "J9"}}, {"B1", "C3"}, {"A2"},
         {"undo", "undo"}},
        {"two passes", {GTPGoColorBlack, 0, kEnglish, 300, {"E5", "PASS"}}, {"C3"}, {"pass"}, {"undo", "undo"}},
        {"an engine without undo", {GTPGoColorBlack, 0, kEnglish, 300, {"E5", "F6"}, {"--fail", "undo"}}, {"C3"},
         {"D4"}, QStringList {"undo", "undo"} + expectedStartLineList(0) + QStringList {"play B C3", "play W E5"}},
        {"two players", {GTPGoColorEmpty}, {"C3", "D4", "pass"}, {"pass"}, {}},
        {"two players, one move", {GTPGoColorEmpty}, {"B1", "A1"}, {"A2"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        BoardUnderTest board(row.game);
        board.play(row.before);
        const QImage before = board.render();
        const QString message = board.message();
        const std::size_t turns = board.view->GoGame().Turns().size();
        const QStringList sent = board.sent();
        board.play(row.taken);
        ASSERT_TRUE(board.view->canTakeBack());
        board.view->takeBack();
        EXPECT_EQ(board.render(), before);
        EXPECT_EQ(board.message(), message);
        EXPECT_EQ(board.view->GoGame().Turns().size(), turns);
        EXPECT_FALSE(board.view->GoGame().IsGameOver());
        // After the taken move's own three lines: what the engine is told.
        const qsizetype told = sent.size() + 3 * static_cast<qsizetype>(row.taken.size());
        EXPECT_TRUE(BoardUnderTest::waitFor([&] { return board.sent().mid(told) == row.sentOnTakeBack; }))
            << board.sent().mid(told).join('|').toStdString();
    }
}

TEST(TakeBack, nothingIsTakenBackBeforeThePlayersFirstMoveWhileTheEngineThinksInReviewOrAfterAnotherEnd)
{
    const struct {
        const char* name;
        Game game;
        std::vector<std::string> moves;
        bool review, over;
    } rows[] = {
        {"only the engine has moved", {GTPGoColorWhite, 0, kEnglish, 300, {"E5"}}, {}, false, false},
        {"the engine thinks", {GTPGoColorBlack, 0, kEnglish, 300, {"E5"}}, {"C3"}, false, false},
        {"in review", {GTPGoColorEmpty}, {"C3"}, true, false},
        {"after a resignation", {GTPGoColorBlack, 0, kEnglish, 300, {"resign"}}, {"C3"}, false, true},
        {"after a failing engine", {GTPGoColorBlack, 0, kEnglish, 300, {}, {"--crash-after", "8"}}, {"C3"}, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        BoardUnderTest board(row.game);
        const GTPGoGame& game = board.view->GoGame();
        ASSERT_TRUE(BoardUnderTest::waitFor([&] { return !game.Turns().empty() || !row.moves.empty(); }));
        board.play(row.moves, false);
        if (row.review) {
            board.press("DemonstrationButton");
        }
        ASSERT_TRUE(BoardUnderTest::waitFor([&] { return game.IsGameOver() == row.over; }));
        const std::size_t turns = game.Turns().size();
        EXPECT_FALSE(board.view->canTakeBack());
        board.view->takeBack();
        EXPECT_EQ(game.Turns().size(), turns);
    }
}
