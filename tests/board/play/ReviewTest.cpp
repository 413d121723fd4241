// Stepping through the record: the shown board follows, the game does not change.
#include "../BoardTestHarness.h"

using namespace boardtest;
using Review = TwoPlayerBoard;

TEST_F(Review, steppingBackOverACaptureRestoresTheStoneAndForwardTakesItAgain)
{
    // Black's last move, A2, takes White's A1.
    clickAll(*view, {{2, 2}, {6, 6}, {6, 2}, {2, 6}, {4, 4}, {4, 5}, {1, 0}, {0, 0}, {0, 1}});
    const BoardView::StoneMap current = view->StoneList();
    ASSERT_EQ(current.count(GoBoardPoint(0, 0)), 0u);

    view->DemonstrationButton()->click();
    EXPECT_TRUE(view->StartButton()->isVisibleTo(view.get()));
    EXPECT_EQ(view->StoneList(), current) << "entering review changes nothing";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 1));

    view->BackButton()->click();
    BoardView::StoneMap beforeCapture = current;
    beforeCapture.erase(GoBoardPoint(0, 1));
    beforeCapture[GoBoardPoint(0, 0)] = GTPGoColorWhite;
    EXPECT_EQ(view->StoneList(), beforeCapture);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 0));
    view->show();
    const QImage image = view->grab().toImage();
    saveScreenshot(image, "board-review");
    // Looked at off the grid lines: the restored white stone on A1, bare wood on A2.
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 0.25, 0.25)), kLightGrey, 16));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 0.25, 1.25)), kBoardColor));

    view->NextButton()->click();
    EXPECT_EQ(view->StoneList(), current);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 1));
    EXPECT_EQ(view->GoGame().Turns().size(), 9u) << "review takes nothing back";
}

TEST_F(Review, startThenEndShowsTheCurrentPositionAndTheEndsAreStops)
{
    clickAll(*view, {{4, 4}, {3, 3}, {5, 5}, {2, 2}, {6, 6}});
    const BoardView::StoneMap current = view->StoneList();
    click(*view, 6, 6); // occupied: a cross before review
    ASSERT_EQ(view->ForbiddenMove(), GoBoardPoint(6, 6));

    view->DemonstrationButton()->click();
    view->NextButton()->click();
    EXPECT_EQ(view->StoneList(), current) << "'>' on the last turn changes nothing";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(6, 6));
    EXPECT_TRUE(view->ForbiddenMove().marksNothing()) << "the first step clears the cross";

    view->StartButton()->click();
    const BoardView::StoneMap first {{GoBoardPoint(4, 4), GTPGoColorBlack}};
    EXPECT_EQ(view->StoneList(), first) << "the first move stays shown";
    view->BackButton()->click();
    EXPECT_EQ(view->StoneList(), first) << "'<' on the first turn changes nothing";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));

    click(*view, 0, 8);
    EXPECT_EQ(view->StoneList(), first) << "clicks in review are ignored";
    view->PassButton()->click();
    EXPECT_EQ(view->GoGame().Turns().size(), 5u) << "so is the Pass button";

    view->EndButton()->click();
    EXPECT_EQ(view->StoneList(), current);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(6, 6));
}

TEST_F(Review, anEmptyRecordLeavesTheButtonsWithNothingToDo)
{
    view = harness.makeView(GTPGoColorEmpty, 3);
    const BoardView::StoneMap handicap = view->StoneList();
    view->DemonstrationButton()->click();
    for (QPushButton* button : {view->StartButton(), view->BackButton(), view->NextButton(), view->EndButton()}) {
        button->click();
    }
    EXPECT_EQ(view->StoneList(), handicap);
    EXPECT_TRUE(view->LastMove().marksNothing());
    view->DemonstrationButton()->click();
    EXPECT_FALSE(view->IsDemonstration());
    EXPECT_FALSE(view->StartButton()->isVisibleTo(view.get()));
    EXPECT_EQ(view->StoneList(), handicap);
}

TEST_F(Review, countNumbersAndTheHoverStoneHideInReviewAndReturnAfterAFinishedGame)
{
    clickAll(*view, {{4, 4}, {3, 3}});
    view->PassButton()->click();
    view->PassButton()->click();
    ASSERT_TRUE(view->DisplayCount());

    view->DemonstrationButton()->click();
    EXPECT_FALSE(view->DisplayCount());
    EXPECT_FALSE(view->DisplayMouseOver());
    for (const auto& [button, last, stones] :
         {std::tuple {view->BackButton(), GoBoardPoint(3, 3), 2u}, {view->BackButton(), GoBoardPoint(4, 4), 1u},
          {view->NextButton(), GoBoardPoint(3, 3), 2u}}) {
        button->click();
        EXPECT_EQ(view->LastMove(), last);
        EXPECT_EQ(view->StoneList().size(), stones);
    }
    view->NextButton()->click();
    EXPECT_TRUE(view->LastMove().marksNothing()) << "the shown turn is a pass";
    EXPECT_FALSE(view->DisplayCount());

    view->DemonstrationButton()->click();
    EXPECT_TRUE(view->DisplayCount());
    EXPECT_TRUE(view->DisplayMouseOver());
    EXPECT_EQ(view->StoneList().size(), 2u);
    EXPECT_TRUE(view->LastMove().marksNothing()) << "the last turn is a pass";
}
