#include "BoardViewTestSupport.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace boardviewtest;

// These write what a player sees to the screenshots folder, to be looked at.

TEST(BoardViewScreenshot, emptyBoard)
{
    auto view = twoPlayerView();
    view->setMouseLocationToUpdate(QPointF(-1, -1));
    saveScreenshot(render(*view), "board-empty");
}

TEST(BoardViewScreenshot, middleGameWithRingCrossAndHoverStone)
{
    auto view = twoPlayerView();
    const int moves[][2] = {{2, 2}, {6, 6}, {6, 2}, {2, 6}, {4, 4}, {4, 5}, {5, 4}, {3, 5}, {3, 4}};
    for (const auto& [x, y] : moves) {
        click(*view, x, y);
    }
    // White tries the occupied centre: refused, with the cross and the message.
    click(*view, 4, 4);
    ASSERT_EQ(view->ForbiddenMove(), GoBoardPoint(4, 4));
    ASSERT_EQ(view->LastMove(), GoBoardPoint(3, 4));
    view->setMouseLocationToUpdate(intersection(*view, 5, 6) + QPointF(6, -4));
    const QImage image = render(*view);
    saveScreenshot(image, "board-middle-game");
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 4, 4)), kRed, 20));
    EXPECT_EQ(view->InfoTextField()->text(), "There is already a stone here!");
}

TEST(BoardViewScreenshot, finishedGameWithCountAndScoreInBothLanguages)
{
    for (const QString& language : {QStringLiteral("English"), QStringLiteral("Français")}) {
        auto view = twoPlayerView(kWindowFrame, language);
        const int moves[][2] = {{2, 2}, {6, 6}, {6, 2}, {2, 6}, {4, 4}, {4, 6}, {3, 3}, {5, 5}, {2, 4}, {6, 4},
                                {4, 2}, {5, 7}, {1, 3}, {7, 5}, {3, 1}, {3, 7}, {5, 1}};
        for (const auto& [x, y] : moves) {
            click(*view, x, y);
        }
        view->onPass();
        view->onPass();
        ASSERT_TRUE(view->GoGame().IsGameOver());
        ASSERT_TRUE(view->DisplayCount());
        const QImage image = render(*view);
        saveScreenshot(image, language == "English" ? "board-finished-english" : "board-finished-french");
        EXPECT_TRUE(view->InfoTextField()->text().contains(language == "English" ? "Black wins by 1.0 points!"
                                                                           : "Noir gagne de 1.0 points !"));
    }
}
