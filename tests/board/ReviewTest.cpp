// Stepping through the record: the shown board follows, the game does not change.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(Review, stepsShowEarlierPositionsCapturesIncludedAndLeavingShowsTheGameAgain)
{
    // Two handicap stones, then White's A1 is taken by Black's A2; J9, occupied, is refused and marked.
    BoardUnderTest board({GTPGoColorEmpty, {}, kEnglish, 2});
    board.play({"A1", "B1", "C7", "A2", "J9", "J9"});
    const std::string current = "X:A2,B1,C3,G7 O:C7,J9 @J9";
    board.press("DemonstrationButton");
    EXPECT_EQ(board.shown(), current + " +J9") << "entering review changes nothing";
    const std::pair<const char*, std::string> steps[] = {
        {"NextButton", current}, // at the last turn: a stop; any step clears the cross
        {"BackButton", "X:A2,B1,C3,G7 O:C7 @A2"},
        {"BackButton", "X:B1,C3,G7 O:A1,C7 @C7"}, // A1 is back
        {"NextButton", "X:A2,B1,C3,G7 O:C7 @A2"},
        {"StartButton", "X:C3,G7 O:A1 @A1"}, // the first move stays shown
        {"BackButton", "X:C3,G7 O:A1 @A1"},
        {"EndButton", current},
        {"StartButton", "X:C3,G7 O:A1 @A1"},
    };
    for (const auto& [button, shown] : steps) {
        board.press(button);
        EXPECT_EQ(board.shown(), shown) << button;
    }
    saveScreenshot(board, "board-review");
    board.play({"H1", "pass"});
    board.moveMouseTo(board.at("H2"));
    EXPECT_FALSE(board.view->canTakeBack());
    board.view->takeBack();
    EXPECT_EQ(board.shown(), "X:C3,G7 O:A1 @A1") << "no click, Pass, take back nor hover stone in review";
    EXPECT_EQ(board.game().Turns().size(), 5u);
    board.press("DemonstrationButton");
    EXPECT_EQ(board.shown(), "X:A2,B1,C3,G7 O:C7,J9 ~:H2 @J9");
}
