// Two players at one mouse: clicks play for the side to move, refusals are told and marked.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(TwoPlayers, aRefusedMoveIsToldLoggedAndMarkedAndTheNextAcceptedMoveClearsIt)
{
    const struct {
        QString language;
        std::vector<std::string> moves;
        std::string refused;
        GTPGoMoveMessage code;
    } rows[] = {
        {kEnglish, {"E5"}, "E5", GTPGoMessageOccupied},
        {kFrench, {"B1", "J9", "A2"}, "A1", GTPGoMessageSuicide},
        // Black's C1 takes B1 and stands with B1 as its only liberty.
        {kEnglish, {"A1", "B1", "B2", "C2", "J9", "D1", "C1"}, "B1", GTPGoMessageKo},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refused);
        BoardUnderTest board({GTPGoColorEmpty, {}, row.language});
        board.play(row.moves);
        const std::string before = board.shown();
        board.play({row.refused});
        EXPECT_EQ(board.shown(), before + " +" + row.refused);
        EXPECT_EQ(board.message(), BoardMessages::refusal(row.code));
        EXPECT_TRUE(board.log.contains(BoardMessages::refusalLogLine(row.code)));
        EXPECT_EQ(board.game().Turns().size(), row.moves.size());
        EXPECT_EQ(board.text("BlackCapturedStonesTextField"), row.code == GTPGoMessageKo ? "1" : "0");
        board.play({"H8"});
        EXPECT_EQ(board.shown().find('+'), std::string::npos);
        EXPECT_EQ(board.message(), "");
    }
}

TEST(TwoPlayers, clicksGoToTheNearestIntersectionInsideTheBoardOnlyAndOnlyTheLeftButtonPlays)
{
    // Offsets from E5 in spacings, y upward.
    for (const auto& [dx, dy, stone] : {std::tuple {0.33, 0.0, "E5"}, {0.0, -0.33, "E5"}, {0.5, 0.0, "F5"},
                                        {0.0, 0.5, "E6"}, {-4.6, 0.0, ""}, {4.6, 0.0, ""}}) {
        BoardUnderTest board;
        const double spacing = board.view->getPosX(1) - board.view->getPosX(0);
        const QPoint click = board.at("E5") + QPoint(qRound(dx * spacing), -qRound(dy * spacing));
        QTest::mouseClick(board.view.get(), Qt::RightButton, {}, click);
        QTest::mouseClick(board.view.get(), Qt::LeftButton, {}, click);
        EXPECT_EQ(board.shown(), *stone ? std::string("X:") + stone + " @" + stone : "") << stone;
    }
}

TEST(TwoPlayers, twoPassesInARowEndTheGameWithTheScoreAndTheStonesNumberedFromOneInEachColour)
{
    BoardUnderTest one, board({GTPGoColorEmpty, {}, kFrench});
    one.play({"B2", "F6", "pass", "pass"});
    board.play({"B2", "pass", "D2", "F6", "pass"});
    EXPECT_EQ(board.shown(), "X:B2,D2 O:F6") << "a pass clears the ring, a stone came between the passes";
    board.play({"pass"});
    EXPECT_EQ(board.message(), BoardMessages::score(1, 2));
    EXPECT_EQ(board.shown(), "X:B2,D2 O:F6 #");
    saveScreenshot(board, "board-counted");
    const QImage image = board.render(), alone = one.render();
    EXPECT_LT(one.ink(alone, "B2"), std::max(board.ink(image, "B2"), board.ink(image, "D2")))
        << "a lone black stone's 1 has less ink than the 2 of two";
    const QRect f6(board.at("F6") + QPoint(-10, 0), QSize(16, 16));
    EXPECT_EQ(image.copy(f6), alone.copy(f6)) << "white is numbered on its own";
    board.press("DemonstrationButton");
    EXPECT_EQ(board.shown(), "X:B2,D2 O:F6") << "no numbers in review";
    board.press("BackButton");
    EXPECT_EQ(board.shown(), "X:B2,D2 O:F6 @F6") << "back over a pass";
    board.press("DemonstrationButton");
    board.play({"A1"});
    EXPECT_EQ(board.shown(), "X:B2,D2 O:F6 #") << "the last turn is a pass, the game is over";
    EXPECT_EQ(board.text("WhiteTimeTextField"), "--:--") << "two players play without a clock";
}
