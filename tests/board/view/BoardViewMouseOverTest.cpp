#include "BoardViewTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace boardviewtest;

namespace {

struct HoverProbe {
    QColor Highlight;
    QColor Rim;
};

HoverProbe probe(BoardView& view, int column, int row)
{
    const QImage image = render(view);
    const QPointF center = intersection(view, column, row);
    const double d = view.BoardWidthFactor() * 0.25;
    return {pixelAt(image, center + QPointF(d, d)),
            pixelAt(image, center + QPointF(-0.85 * view.StoneRadius(), 5.5))};
}

// The translucent stone: an opaque highlight, and near the rim a blend of the
// stone's colour and the board, neither the one nor the other.
bool showsHoverStone(const HoverProbe& seen, GTPGoColor color)
{
    const QColor highlight = color == GTPGoColorBlack ? kGrey : kLightGrey;
    const QColor rim = color == GTPGoColorBlack ? kBlack : kWhite;
    return near(seen.Highlight, highlight, 16) && colorDistance(seen.Rim, kBoardColor) > 30
        && colorDistance(seen.Rim, rim) > 30;
}

bool showsBoard(const HoverProbe& seen)
{
    return near(seen.Highlight, kBoardColor) && near(seen.Rim, kBoardColor);
}

} // namespace

TEST(BoardViewMouseOver, theStoneToPlayFollowsTheMouseToTheNearestFreeIntersection)
{
    auto view = twoPlayerView();
    const double spacing = view->BoardWidthFactor();
    view->setMouseLocationToUpdate(intersection(*view, 6, 3) + QPointF(spacing * 0.3, -spacing * 0.2));
    EXPECT_TRUE(showsHoverStone(probe(*view, 6, 3), GTPGoColorBlack));

    // Past the half-way point the stone moves to the next line.
    view->setMouseLocationToUpdate(intersection(*view, 6, 3) + QPointF(spacing * 0.5, 0));
    EXPECT_TRUE(showsBoard(probe(*view, 6, 3)));
    EXPECT_TRUE(showsHoverStone(probe(*view, 7, 3), GTPGoColorBlack));

    // After Black has played, the stone under the mouse is White's.
    click(*view, 1, 1);
    view->setMouseLocationToUpdate(intersection(*view, 6, 3));
    EXPECT_TRUE(showsHoverStone(probe(*view, 6, 3), GTPGoColorWhite));

    // Never over a stone: the black stone is drawn as it is.
    view->setMouseLocationToUpdate(intersection(*view, 1, 1));
    const HoverProbe occupied = probe(*view, 1, 1);
    EXPECT_TRUE(near(occupied.Highlight, kGrey, 16));
    EXPECT_TRUE(near(occupied.Rim, kBlack, 30));

    // Off the board, or away from the view, nothing.
    view->setMouseLocationToUpdate(QPointF(-1, -1));
    EXPECT_TRUE(showsBoard(probe(*view, 6, 3)));
}

TEST(BoardViewMouseOver, noStoneUnderTheMouseAfterTheEndOrInReview)
{
    auto view = twoPlayerView();
    view->setMouseLocationToUpdate(intersection(*view, 5, 5));
    ASSERT_TRUE(showsHoverStone(probe(*view, 5, 5), GTPGoColorBlack));

    view->onDemonstration();
    EXPECT_TRUE(showsBoard(probe(*view, 5, 5)));
    view->onDemonstration();
    EXPECT_TRUE(showsHoverStone(probe(*view, 5, 5), GTPGoColorBlack));

    view->GoGame().setIsGameOver(true);
    EXPECT_TRUE(showsBoard(probe(*view, 5, 5)));
}

TEST(BoardViewMouseOver, againstTheEngineTheStoneShowsOnlyOnThePlayersTurn)
{
    QTemporaryDir records;
    ASSERT_TRUE(records.isValid());
    // Player Black without handicap: the player moves first.
    {
        auto view = engineView(GTPGoColorBlack, records.filePath("black.log"));
        view->setMouseLocationToUpdate(intersection(*view, 2, 5));
        EXPECT_TRUE(showsHoverStone(probe(*view, 2, 5), GTPGoColorBlack));
    }
    // Player White: the engine, Black, is thinking from the start.
    {
        auto view = engineView(GTPGoColorWhite, records.filePath("white.log"));
        ASSERT_EQ(view->ToPlay(), GTPGoColorBlack);
        view->setMouseLocationToUpdate(intersection(*view, 2, 5));
        EXPECT_TRUE(showsBoard(probe(*view, 2, 5)));
    }
}
