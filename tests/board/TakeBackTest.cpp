// Taking a move back leaves the board, the record, the marks and the message as
// they were before, and the engine as it was too. When nothing may be taken
// back: EngineDialogue and Review.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(TakeBack, theBoardAndTheEngineAreAsTheyWereBeforeThePlayersLastMove)
{
    const struct {
        const char* name;
        Game game;
        std::vector<std::string> before, taken;
        QStringList sentOnTakeBack = {"undo", "undo"};
    } rows[] = {
        // A2 takes A1; the take back puts it back with the ring, the prisoner count and the engine's pass message.
        {"a capture", {GTPGoColorBlack, {"A1", "PASS", "J9"}}, {"B1", "C3"}, {"A2"}},
        {"two passes", {GTPGoColorBlack, {"E5", "PASS"}}, {"C3"}, {"pass"}},
        {"an engine without undo", {GTPGoColorBlack, {"E5", "F6"}, kEnglish, 0, {"--fail", "undo"}}, {"C3"}, {"D4"},
         QStringList {"undo", "undo"} + expectedStartLineList(0) + QStringList {"play B C3", "play W E5"}},
        {"two players", {}, {"C3", "D4", "pass"}, {"pass"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        BoardUnderTest board(row.game);
        board.play(row.before);
        const QImage before = board.render();
        const QString message = board.message();
        const std::size_t turns = board.game().Turns().size();
        const QStringList sent = board.sent();
        board.play(row.taken);
        ASSERT_TRUE(board.view->canTakeBack());
        board.view->takeBack();
        EXPECT_EQ(board.render(), before);
        EXPECT_EQ(board.message(), message);
        EXPECT_EQ(board.game().Turns().size(), turns);
        EXPECT_FALSE(board.game().IsGameOver());
        // After the taken move's own three lines: what the engine is told.
        const qsizetype told = sent.size() + 3 * static_cast<qsizetype>(row.taken.size());
        EXPECT_TRUE(BoardUnderTest::waitFor([&] { return board.sent().mid(told) == row.sentOnTakeBack; }))
            << board.sent().mid(told).join('|').toStdString();
    }
}
