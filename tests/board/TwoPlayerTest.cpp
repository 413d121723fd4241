// Two players at one mouse: clicks play for the side to move, refusals are told and marked.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(TwoPlayers, aRefusedMoveIsToldLoggedAndMarkedAndTheNextAcceptedMoveClearsIt)
{
    const struct {
        std::vector<std::string> moves;
        std::string refused;
        GTPGoMoveMessage code;
    } rows[] = {
        {{"E5"}, "E5", GTPGoMessageOccupied},
        {{"B1", "J9", "A2"}, "A1", GTPGoMessageSuicide},
        // Black's C1 takes B1 and stands with B1 as its only liberty.
        {{"A1", "B1", "B2", "C2", "J9", "D1", "C1"}, "B1", GTPGoMessageKo},
    };
    for (const QString& language : {kEnglish, kFrench}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.refused + " " + language.toStdString());
            BoardUnderTest board({GTPGoColorEmpty, 0, language});
            board.play(row.moves);
            const std::string before = board.stones();
            board.play({row.refused});
            EXPECT_EQ(board.message(), BoardMessages::refusal(row.code));
            EXPECT_TRUE(board.log.contains(BoardMessages::refusalLogLine(row.code)));
            EXPECT_EQ(board.cross(), row.refused);
            EXPECT_EQ(board.stones(), before);
            EXPECT_EQ(board.view->GoGame().Turns().size(), row.moves.size());
            EXPECT_EQ(board.text("BlackCapturedStonesTextField"), row.code == GTPGoMessageKo ? "1" : "0");
            board.play({"H8"});
            EXPECT_EQ(board.cross(), "");
            EXPECT_EQ(board.message(), "");
        }
    }
}

TEST(TwoPlayers, clicksGoToTheNearestIntersectionInsideTheBoardOnly)
{
    BoardUnderTest board;
    const double spacing = board.view->getPosX(1) - board.view->getPosX(0);
    const QPoint e5 = board.at("E5");
    const struct {
        QPointF offset; // in spacings, y upward
        std::string stone;
    } rows[] = {
        {{0.33, 0}, "E5"}, {{0, -0.33}, "E5"}, {{0.5, 0}, "F5"}, {{0, 0.5}, "E6"}, {{-4.6, 0}, ""}, {{4.6, 0}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stone);
        BoardUnderTest fresh;
        const QPoint click = e5 + QPoint(qRound(row.offset.x() * spacing), -qRound(row.offset.y() * spacing));
        QTest::mouseClick(fresh.view.get(), Qt::LeftButton, {}, click);
        EXPECT_EQ(fresh.stones(), row.stone.empty() ? "" : "X:" + row.stone);
    }
    // Only the left button plays; the side to move alternates.
    QTest::mouseClick(board.view.get(), Qt::RightButton, {}, e5);
    board.play({"E5", "D4"});
    EXPECT_EQ(board.stones(), "X:E5 O:D4");
}

TEST(TwoPlayers, twoPassesInARowEndTheGameWithTheScoreAndNumberedStones)
{
    BoardUnderTest board({GTPGoColorEmpty, 0, kFrench});
    board.play({"E5", "D4", "pass", "G7", "pass"});
    EXPECT_EQ(board.ring(), "") << "a pass clears the ring";
    EXPECT_FALSE(board.view->GoGame().IsGameOver()) << "a stone came between the passes";
    EXPECT_FALSE(board.numbers());
    board.play({"pass"});
    EXPECT_TRUE(board.view->GoGame().IsGameOver());
    EXPECT_EQ(board.message(), BoardMessages::score(2, 1));
    EXPECT_TRUE(board.numbers());
    board.play({"A1"});
    EXPECT_EQ(board.stones(), "X:E5 O:D4,G7");
    EXPECT_EQ(board.text("WhiteTimeTextField"), "--:--") << "two players play without a clock";
}
