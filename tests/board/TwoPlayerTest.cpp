// A game between two players, step by step: refused moves are told and marked
// until the next move; review shows earlier positions and changes nothing; two
// passes in a row end the game with the score and numbered stones; the ending
// pass can be taken back.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(TwoPlayers, refusedMovesAreMarkedReviewChangesNothingAndTwoPassesEndTheGame)
{
    // Two handicap stones; Black's C1 takes B1, whose retaking is a ko; Black's J8 takes J9,
    // which White may not play again: a suicide.
    BoardUnderTest board({GTPGoColorEmpty, {}, kFrench, 2});
    const std::string ko = "X:A1,B2,C1,C3,G7 O:C2,D1", now = "X:A1,B2,C1,C3,G7,H9,J8 O:C2,D1,H1";
    const std::string ended = "X:A1,B2,C1,C3,D9,G7,H9,J8 O:C2,D1,H1";
    const QString score = BoardMessages::score(3, 8), occupied = BoardMessages::refusal(GTPGoMessageOccupied);
    const struct {
        std::vector<std::string> actions;
        std::string shown;
        QString message = "";
    } steps[] = {
        {{"B1", "A1", "C2", "B2", "D1", "C1"}, ko + " @C1"},
        {{"B1"}, ko + " @C1 +B1", BoardMessages::refusal(GTPGoMessageKo)},
        {{"J9", "H9", "H1", "J8"}, now + " @J8"},
        {{"J9"}, now + " @J8 +J9", BoardMessages::refusal(GTPGoMessageSuicide)},
        {{"C1"}, now + " @J8 +C1", occupied},
        {{"review"}, now + " @J8 +C1", occupied}, // entering changes nothing
        {{"next"}, now + " @J8", occupied}, // a stop at the last turn
        {{"back"}, "X:A1,B2,C1,C3,G7,H9 O:C2,D1,H1,J9 @H1", occupied},
        {{"next"}, now + " @J8", occupied},
        {{"start"}, "X:C3,G7 O:B1 @B1", occupied}, // the first move stays
        {{"back", "next", "next", "next", "next", "next"}, "X:A1,B2,C1,C3,G7 O:C2,D1 @C1", occupied},
        // Review takes no click, Pass or take back, and shows no hover stone until it ends.
        {{"H2", "pass", "takeback", "~H2"}, "X:A1,B2,C1,C3,G7 O:C2,D1 @C1", occupied},
        {{"end", "review"}, now + " ~:H2 @J8", occupied},
        {{"pass", "D9", "pass"}, ended}, // a pass clears the ring; a stone came between the passes
        {{"pass"}, ended + " #", score},
        {{"review"}, ended, score},
        {{"back"}, ended + " @D9", score},
        {{"review", "A9", "pass"}, ended + " #", score},
        {{"takeback"}, ended},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(board.play(step.actions), step.shown) << step.actions.front();
        EXPECT_EQ(board.message(), step.message) << step.actions.front();
    }
    for (const GTPGoMoveMessage code : {GTPGoMessageKo, GTPGoMessageSuicide, GTPGoMessageOccupied}) {
        EXPECT_TRUE(board.log.contains(BoardMessages::refusalLogLine(code)));
    }
    EXPECT_EQ(board.text("BlackCapturedStonesTextField") + board.text("WhiteCapturedStonesTextField"), "20");
    EXPECT_EQ(board.text("WhiteTimeTextField"), "--:--") << "two players play without a clock";
}

TEST(TwoPlayers, countNumbersGoFromOneInEachColour)
{
    BoardUnderTest one, two;
    one.play({"B2", "F6", "pass", "pass"});
    two.play({"B2", "F6", "D2", "pass", "pass"});
    saveScreenshot(two, "board-counted");
    const QImage alone = one.render(), image = two.render();
    EXPECT_LT(one.ink(alone, "B2"), std::max(two.ink(image, "B2"), two.ink(image, "D2"))) << "1 has less ink than 2";
    const QRect f6(one.at("F6") - QPoint(10, 0), QSize(16, 16));
    EXPECT_EQ(image.copy(f6), alone.copy(f6)) << "white is numbered on its own";
}
