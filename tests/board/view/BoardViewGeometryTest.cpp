#include "BoardViewTestSupport.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace boardviewtest;

namespace {

void moveMouse(BoardView& view, QPointF location)
{
    const QPointF widgetPosition(location.x(), view.height() - location.y());
    QMouseEvent event(QEvent::MouseMove, widgetPosition, view.mapToGlobal(widgetPosition), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

} // namespace

TEST(BoardViewGeometry, aWindowOf800By600GivesTheWorkedExample)
{
    auto view = twoPlayerView();
    EXPECT_EQ(view->BorderSize(), 46);
    EXPECT_EQ(view->BoardSize(), 8);
    EXPECT_DOUBLE_EQ(view->BoardWidthFactor(), 63.5);
    EXPECT_DOUBLE_EQ(view->BoardHeightFactor(), 63.5);
    EXPECT_EQ(view->GoBoardRect(), QRectF(46, 46, 508, 508));
    EXPECT_EQ(view->GoBoardHitbox(), QRectF(14.25, 14.25, 571.5, 571.5));
    EXPECT_FLOAT_EQ(view->StoneRadius(), 31.25f);
    EXPECT_FLOAT_EQ(view->Width(), 600.0f);
    EXPECT_FLOAT_EQ(view->Height(), 600.0f);
    EXPECT_FLOAT_EQ(view->getPosX(0), 46.0f);
    EXPECT_FLOAT_EQ(view->getPosX(8), 554.0f);
    EXPECT_FLOAT_EQ(view->getPosY(8), 554.0f);
    // Fractional and negative indices extrapolate along the grid.
    EXPECT_FLOAT_EQ(view->getPosX(0.5f), 77.75f);
    EXPECT_FLOAT_EQ(view->getPosY(-1), -17.5f);
}

TEST(BoardViewGeometry, aFrameNarrowerThanFourToThreeSizesTheBoardByTheWidth)
{
    // 600 wide: the board square is 450, the rest of the width goes to the column.
    auto view = twoPlayerView(QRect(0, 0, 600, 600));
    EXPECT_EQ(view->BorderSize(), 46);
    EXPECT_DOUBLE_EQ(view->BoardWidthFactor(), 44.75);
    EXPECT_EQ(view->GoBoardRect(), QRectF(46, 46, 358, 358));
    EXPECT_FLOAT_EQ(view->StoneRadius(), 21.875f);
    EXPECT_FLOAT_EQ(view->Width(), 450.0f);
    EXPECT_FLOAT_EQ(view->Height(), 450.0f);
    // The square sits at the bottom of the view, the column to its right.
    const QImage image = render(*view);
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 0.5, 0.5)), kBoardColor));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 7.5, 7.5)), kBoardColor));
    EXPECT_FALSE(near(pixelAt(image, QPointF(200.5, 520.5)), kBoardColor));
    EXPECT_EQ(view->ResignButton()->geometry().left(), 450);
    EXPECT_EQ(view->ResignButton()->geometry().width(), 150);
}

TEST(BoardViewGeometry, aLocationGoesToTheNearestLineWithHalvesAwayFromZero)
{
    auto view = twoPlayerView();
    const double spacing = view->BoardWidthFactor();
    const double line2 = view->getPosX(2);
    const double row5 = view->getPosY(5);
    EXPECT_EQ(view->locationToBoardPoint({line2, row5}), GoBoardPoint(2, 5));
    EXPECT_EQ(view->locationToBoardPoint({line2 + spacing / 3, row5}), GoBoardPoint(2, 5));
    EXPECT_EQ(view->locationToBoardPoint({line2 + spacing / 2, row5}), GoBoardPoint(3, 5));
    EXPECT_EQ(view->locationToBoardPoint({line2 + spacing / 2 - 0.01, row5}), GoBoardPoint(2, 5));
    EXPECT_EQ(view->locationToBoardPoint({line2 - spacing / 2, row5 + spacing / 2}), GoBoardPoint(2, 6));
    EXPECT_EQ(view->locationToBoardPoint({line2, row5 - spacing / 2 + 0.01}), GoBoardPoint(2, 5));
    // Within half a spacing outside the outermost lines is still the board.
    EXPECT_EQ(view->locationToBoardPoint({view->getPosX(0) - spacing * 0.49, view->getPosY(8) + spacing * 0.49}),
              GoBoardPoint(0, 8));
    // Outside the hit box, and on its edges where rounding would leave the board, no point.
    const QRectF hitbox = view->GoBoardHitbox();
    EXPECT_EQ(view->locationToBoardPoint({hitbox.x() - 1, row5}), std::nullopt);
    EXPECT_EQ(view->locationToBoardPoint({hitbox.x(), row5}), std::nullopt);
    EXPECT_EQ(view->locationToBoardPoint({line2, hitbox.y() + hitbox.height()}), std::nullopt);
    EXPECT_EQ(view->locationToBoardPoint({700, 300}), std::nullopt);
}

TEST(BoardViewGeometry, handicapStonesAreCopiedAsBlackAndWhiteMovesFirst)
{
    BoardView view(kWindowFrame, gameInfo(4), GTPGoColorEmpty, "English");
    const BoardView::StoneMap stones = view.StoneList();
    EXPECT_EQ(stones.size(), 4u);
    for (const auto& [point, color] : stones) {
        EXPECT_EQ(color, GTPGoColorBlack);
        EXPECT_TRUE(view.GoGame().Board().Stones().contains(BoardView::boardPointToGoPoint(point)));
    }
    EXPECT_EQ(view.ToPlay(), GTPGoColorWhite);
}

TEST(BoardViewGeometry, theMouseIsTrackedInViewCoordinatesOverTheHitboxOnly)
{
    auto view = twoPlayerView();
    // Widget y grows downward; the view's location grows upward.
    const QPointF overC7 = intersection(*view, 2, 6) + QPointF(3, -4);
    moveMouse(*view, overC7);
    EXPECT_EQ(view->MouseLocationToUpdate(), overC7);
    // Leaving the hit box over the column is leaving the board.
    moveMouse(*view, QPointF(700, 300));
    EXPECT_EQ(view->MouseLocationToUpdate(), QPointF(-1, -1));
    moveMouse(*view, overC7);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view.get(), &leave);
    EXPECT_EQ(view->MouseLocationToUpdate(), QPointF(-1, -1));
    moveMouse(*view, overC7);
    click(*view, 2, 6);
    EXPECT_EQ(view->MouseLocationToUpdate(), QPointF(-1, -1));
    // The click landed on the intersection it was aimed at, not on its mirror image.
    const BoardView::StoneMap stones = view->StoneList();
    ASSERT_EQ(stones.size(), 1u);
    EXPECT_EQ(stones.begin()->first, GoBoardPoint(2, 6));
}
