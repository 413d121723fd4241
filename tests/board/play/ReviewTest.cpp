// Stepping through the record: the shown board follows, the game does not change.
#include "PlayHarness.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gmock/gmock.h>

namespace {

struct Stone {
    int column;
    int row;
};

// A two-player game, each stone clicked in turn (Black first).
std::unique_ptr<BoardView> playTwoPlayerGame(PlayHarness& harness, std::initializer_list<Stone> stones)
{
    auto view = harness.makeView(GTPGoColorEmpty);
    for (const Stone& stone : stones) {
        PlayHarness::click(*view, stone.column, stone.row);
    }
    return view;
}

// Black takes the white stone on A1 with its last move, A2.
std::unique_ptr<BoardView> playCapture(PlayHarness& harness)
{
    return playTwoPlayerGame(harness, {{1, 0}, {0, 0}, {0, 1}});
}

} // namespace

TEST(Review, steppingBackOverACaptureRestoresTheStoneAndForwardTakesItAgain)
{
    PlayHarness harness;
    auto view = playCapture(harness);
    const BoardView::StoneMap current = view->StoneList();
    ASSERT_EQ(current.count(GoBoardPoint(0, 0)), 0u);
    ASSERT_EQ(view->GoGame().getNumberOfCapturedStones(GTPGoColorBlack), 1);

    view->DemonstrationButton()->click();
    EXPECT_TRUE(view->StartButton()->isVisibleTo(view.get()));
    EXPECT_EQ(view->StoneList(), current) << "entering review changes nothing";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 1));

    view->BackButton()->click();
    BoardView::StoneMap beforeCapture = view->StoneList();
    EXPECT_EQ(beforeCapture.size(), 2u);
    EXPECT_EQ(beforeCapture.at(GoBoardPoint(0, 0)), GTPGoColorWhite);
    EXPECT_EQ(beforeCapture.count(GoBoardPoint(0, 1)), 0u);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 0));

    view->NextButton()->click();
    EXPECT_EQ(view->StoneList(), current);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 1));
    EXPECT_EQ(view->GoGame().Turns().size(), 3u) << "review takes nothing back";
}

TEST(Review, startThenEndShowsTheCurrentPositionAndTheEndsAreStops)
{
    PlayHarness harness;
    auto view = playTwoPlayerGame(harness, {{4, 4}, {3, 3}, {5, 5}, {2, 2}, {6, 6}});
    const BoardView::StoneMap current = view->StoneList();
    PlayHarness::click(*view, 6, 6); // occupied: a cross before review
    ASSERT_EQ(view->ForbiddenMove(), GoBoardPoint(6, 6));

    view->DemonstrationButton()->click();
    view->NextButton()->click();
    EXPECT_EQ(view->StoneList(), current) << "'>' on the last turn changes nothing";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(6, 6));
    EXPECT_EQ(view->ForbiddenMove().X(), -1) << "the first step clears the cross";

    view->StartButton()->click();
    const BoardView::StoneMap first = view->StoneList();
    EXPECT_EQ(first.size(), 1u) << "the first move stays shown";
    EXPECT_EQ(first.at(GoBoardPoint(4, 4)), GTPGoColorBlack);
    view->BackButton()->click();
    EXPECT_EQ(view->StoneList(), first) << "'<' on the first turn changes nothing";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));

    PlayHarness::click(*view, 0, 8);
    EXPECT_EQ(view->StoneList(), first) << "clicks in review are ignored";
    view->PassButton()->click();
    EXPECT_EQ(view->GoGame().Turns().size(), 5u) << "so is the Pass button";

    view->EndButton()->click();
    EXPECT_EQ(view->StoneList(), current);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(6, 6));
}

TEST(Review, anEmptyRecordLeavesTheButtonsWithNothingToDo)
{
    PlayHarness harness;
    auto view = harness.makeView(GTPGoColorEmpty, 3);
    const BoardView::StoneMap handicap = view->StoneList();
    view->DemonstrationButton()->click();
    for (QPushButton* button : {view->StartButton(), view->BackButton(), view->NextButton(), view->EndButton()}) {
        button->click();
    }
    EXPECT_EQ(view->StoneList(), handicap);
    EXPECT_EQ(view->LastMove().X(), -1);
    view->DemonstrationButton()->click();
    EXPECT_FALSE(view->IsDemonstration());
    EXPECT_FALSE(view->StartButton()->isVisibleTo(view.get()));
    EXPECT_EQ(view->StoneList(), handicap);
}

TEST(Review, countNumbersHideInReviewAndReturnAfterAFinishedGame)
{
    PlayHarness harness;
    auto view = playTwoPlayerGame(harness, {{4, 4}, {3, 3}});
    view->PassButton()->click();
    view->PassButton()->click();
    ASSERT_TRUE(view->GoGame().IsGameOver());
    ASSERT_TRUE(view->DisplayCount());

    view->DemonstrationButton()->click();
    EXPECT_FALSE(view->DisplayCount());
    EXPECT_FALSE(view->DisplayMouseOver());
    view->BackButton()->click();
    EXPECT_EQ(view->LastMove(), GoBoardPoint(3, 3));
    EXPECT_EQ(view->StoneList().size(), 2u);
    view->BackButton()->click();
    EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));
    EXPECT_EQ(view->StoneList().size(), 1u);
    view->NextButton()->click();
    view->NextButton()->click();
    EXPECT_EQ(view->LastMove().X(), -1) << "the shown turn is a pass";
    EXPECT_FALSE(view->DisplayCount());

    view->DemonstrationButton()->click();
    EXPECT_TRUE(view->DisplayCount());
    EXPECT_TRUE(view->DisplayMouseOver());
    EXPECT_EQ(view->StoneList().size(), 2u);
    EXPECT_EQ(view->LastMove().X(), -1) << "the last turn is a pass";
}

TEST(Review, screenshotOfReviewWithItsButtons)
{
    PlayHarness harness;
    auto view = playTwoPlayerGame(harness, {{2, 2}, {6, 6}, {6, 2}, {2, 6}, {4, 4}, {4, 5}, {1, 0}, {0, 0}, {0, 1}});
    view->DemonstrationButton()->click();
    view->BackButton()->click();
    view->show();

    QImage image = view->grab().toImage();
    ASSERT_FALSE(image.isNull());
    const std::string path = PlayHarness::screenshotPath("board-review.png");
    ASSERT_TRUE(image.save(QString::fromStdString(path)));

    // Looked at off the grid lines: the restored white stone on A1, bare wood on A2.
    const double off = view->BoardWidthFactor() * 0.25;
    auto pixel = [&](int column, int row) {
        return image.pixelColor(qRound(view->getPosX(column) + off), qRound(view->height() - view->getPosY(row) - off));
    };
    const QColor wood = pixel(3, 1);
    EXPECT_EQ(pixel(0, 1), wood);
    const QColor a1 = pixel(0, 0);
    EXPECT_LT(a1.hslSaturation(), 30) << "a grey-white stone, not the wood";
    EXPECT_GT(a1.lightness(), 150);
}
