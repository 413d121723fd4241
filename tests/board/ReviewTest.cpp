// Stepping through the record: the shown board follows, the game does not change.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(Review, stepsShowEarlierPositionsCapturesIncludedAndLeavingShowsTheGameAgain)
{
    BoardUnderTest board;
    // White's A1 is taken by Black's A2.
    board.play({"C3", "G7", "G3", "C7", "E5", "E6", "B1", "A1", "A2", "J9"});
    board.play({"J9"}); // occupied: a cross before review
    const std::string current = board.stones();
    board.press("DemonstrationButton");
    EXPECT_EQ(board.stones(), current) << "entering review changes nothing";
    const struct {
        const char* button;
        std::string stones;
        std::string ring;
    } steps[] = {
        {"NextButton", current, "J9"}, // at the last turn: a stop
        {"BackButton", "X:A2,B1,C3,E5,G3 O:C7,E6,G7", "A2"},
        {"BackButton", "X:B1,C3,E5,G3 O:A1,C7,E6,G7", "A1"}, // A1 is back
        {"NextButton", "X:A2,B1,C3,E5,G3 O:C7,E6,G7", "A2"},
        {"StartButton", "X:C3", "C3"}, // the first move stays shown
        {"BackButton", "X:C3", "C3"},
        {"EndButton", current, "J9"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        board.press(step.button);
        EXPECT_EQ(board.stones(), step.stones);
        EXPECT_EQ(board.ring(), step.ring);
        EXPECT_EQ(board.cross(), "") << "moving through review clears the cross";
    }
    board.press("StartButton");
    saveScreenshot(board.render(), "board-review");
    board.play({"H1", "pass"});
    EXPECT_EQ(board.view->GoGame().Turns().size(), 10u) << "review takes nothing, clicks and Pass included";
    board.press("DemonstrationButton");
    EXPECT_EQ(board.stones(), current);
    EXPECT_EQ(board.ring(), "J9");
}

TEST(Review, countNumbersAndTheHoverStoneWaitOutsideReview)
{
    BoardUnderTest board;
    board.play({"E5", "D4", "pass", "pass"});
    ASSERT_TRUE(board.numbers());
    board.press("DemonstrationButton");
    EXPECT_FALSE(board.numbers());
    board.press("BackButton");
    EXPECT_EQ(board.stones(), "X:E5 O:D4") << "back over a pass changes no stone";
    board.press("DemonstrationButton");
    EXPECT_TRUE(board.numbers());
    EXPECT_EQ(board.ring(), "") << "the last turn is a pass";

    BoardUnderTest handicap({GTPGoColorEmpty, 3});
    handicap.press("DemonstrationButton");
    handicap.moveMouseTo(handicap.at("E5"));
    for (const char* button : {"StartButton", "BackButton", "NextButton", "EndButton"}) {
        handicap.press(button);
    }
    EXPECT_EQ(handicap.stones(), "X:C3,G3,G7") << "no hover stone in review";
    handicap.press("DemonstrationButton");
    EXPECT_EQ(handicap.stones(), "X:C3,G3,G7 ~:E5");
}

TEST(Review, theEnginesAnswerDuringReviewIsDrawnWhenReviewEndsAndItsPassLeavesTheRing)
{
    BoardUnderTest board({GTPGoColorBlack, 0, kEnglish, 300, {"E5", "F6", "PASS"}});
    board.play({"C3"});
    board.play({"D4"}, false);
    board.press("DemonstrationButton");
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.view->GoGame().Turns().size() == 4; }));
    EXPECT_EQ(board.stones(), "X:C3,D4 O:E5") << "recorded, not drawn";
    board.press("DemonstrationButton");
    EXPECT_EQ(board.stones(), "X:C3,D4 O:E5,F6");
    EXPECT_EQ(board.ring(), "F6");

    board.play({"G7"}, false);
    board.press("DemonstrationButton");
    board.press("BackButton");
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.view->GoGame().Turns().size() == 6; }));
    EXPECT_EQ(board.ring(), "F6") << "the engine's pass does not move the ring off the reviewed move";
}
