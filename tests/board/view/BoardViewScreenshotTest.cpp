// These write what a player sees to <build>/screenshots, to be looked at
// (the review is written by the review tests).
#include "../BoardTestHarness.h"

using namespace boardtest;
using BoardViewScreenshot = TwoPlayerBoard;

TEST_F(BoardViewScreenshot, emptyBoard)
{
    view->setMouseLocationToUpdate(QPointF(-1, -1));
    saveScreenshot(render(*view), "board-empty");
}

TEST_F(BoardViewScreenshot, middleGameWithRingCrossAndHoverStone)
{
    clickAll(*view, {{2, 2}, {6, 6}, {6, 2}, {2, 6}, {4, 4}, {4, 5}, {5, 4}, {3, 5}, {3, 4}});
    // White tries the occupied centre: refused, with the cross and the message.
    click(*view, 4, 4);
    view->setMouseLocationToUpdate(intersection(*view, 5, 6) + QPointF(6, -4));
    const QImage image = render(*view);
    saveScreenshot(image, "board-middle-game");
    EXPECT_EQ(view->LastMove(), GoBoardPoint(3, 4));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 4, 4)), kRed, 20));
    EXPECT_EQ(view->InfoTextField()->text(), "There is already a stone here!");
}

TEST_F(BoardViewScreenshot, finishedGameWithCountAndScoreInBothLanguages)
{
    for (const auto& [language, name, result] :
         {std::tuple {kEnglish, "board-finished-english", "Black wins by 1.0 points!"},
          std::tuple {kFrench, "board-finished-french", "Noir gagne de 1.0 points !"}}) {
        view = harness.makeView(GTPGoColorEmpty, 0, language);
        clickAll(*view, {{2, 2}, {6, 6}, {6, 2}, {2, 6}, {4, 4}, {4, 6}, {3, 3}, {5, 5}, {2, 4}, {6, 4}, {4, 2}, {5, 7},
                         {1, 3}, {7, 5}, {3, 1}, {3, 7}, {5, 1}});
        view->PassButton()->click();
        view->PassButton()->click();
        ASSERT_TRUE(view->DisplayCount());
        saveScreenshot(render(*view), name);
        EXPECT_TRUE(view->InfoTextField()->text().endsWith(result));
    }
}
