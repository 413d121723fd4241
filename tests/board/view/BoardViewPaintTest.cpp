#include "BoardViewTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace boardviewtest;

namespace {

// A point at the given distance from the centre, toward the lower left (away from
// the highlight) or the upper right (toward it).
QPointF alongDiagonal(QPointF center, double distance)
{
    const double step = distance / std::numbers::sqrt2;
    return center + QPointF(step, step);
}

int darkPixelsIn(const QImage& image, const QRectF& viewRect)
{
    int dark = 0;
    for (double x = viewRect.left() + 0.5; x < viewRect.right(); x += 1) {
        for (double y = viewRect.top() + 0.5; y < viewRect.bottom(); y += 1) {
            dark += pixelAt(image, {x, y}).lightness() < 80 ? 1 : 0;
        }
    }
    return dark;
}

} // namespace

TEST(BoardViewPaint, anEmptyBoardShowsBackgroundGridLabelsAndStarPointsOnly)
{
    auto view = twoPlayerView();
    const QImage image = render(*view);
    for (int i = 0; i <= 8; ++i) {
        // Each line is dark where it runs; midway between lines the board shows.
        const double lineX = view->getPosX(i);
        const double lineY = view->getPosY(i);
        const double between = view->getPosY(3.5f);
        int darkAcross = 0;
        for (double dx = -1.5; dx <= 1.5; dx += 1) {
            darkAcross += pixelAt(image, {lineX + dx, between}).lightness() < 80 ? 1 : 0;
        }
        EXPECT_GE(darkAcross, 1) << "column line " << i;
        EXPECT_TRUE(near(pixelAt(image, {lineX + 3.5, between}), kBoardColor)) << "right of column " << i;
        EXPECT_TRUE(near(pixelAt(image, {view->getPosX(3.5f), lineY + 3.5}), kBoardColor)) << "above row " << i;
        // Labels: "1".."9" in the left margin just below their line, "A".."I" along the bottom.
        EXPECT_GT(darkPixelsIn(image, QRectF(5, lineY - 10, 10, 12)), 0) << "row label " << i + 1;
        EXPECT_GT(darkPixelsIn(image, QRectF(lineX, 5, 10, 12)), 0) << "column label " << i;
    }
    // The outer frame of the board area.
    EXPECT_TRUE(near(pixelAt(image, {0.5, 300.5}), kBlack));
    EXPECT_TRUE(near(pixelAt(image, {599.5, 300.5}), kBlack));
    EXPECT_TRUE(near(pixelAt(image, {3.5, 30.5}), kBoardColor));
    // Star points are filled discs of radius 5; other intersections are not.
    for (const auto& [i, j] : {std::pair {2, 2}, {2, 6}, {4, 4}, {6, 2}, {6, 6}}) {
        EXPECT_TRUE(near(pixelAt(image, intersection(*view, i, j) + QPointF(2.5, 2.5)), kBlack, 40))
            << "star point " << i << "," << j;
    }
    for (const auto& [i, j] : {std::pair {3, 3}, {2, 4}, {0, 0}, {8, 8}}) {
        EXPECT_TRUE(near(pixelAt(image, intersection(*view, i, j) + QPointF(2.5, 2.5)), kBoardColor))
            << "intersection " << i << "," << j;
    }
    // The info column is not painted with the board colour.
    EXPECT_FALSE(near(pixelAt(image, {700.5, 195.5}), kBoardColor));
}

TEST(BoardViewPaint, stonesAreShadedFromTheirRimToAHighlightUpAndRight)
{
    auto view = twoPlayerView();
    click(*view, 3, 1); // Black
    click(*view, 5, 7); // White
    const QImage image = render(*view);
    const double r = view->StoneRadius();
    const double d = view->BoardWidthFactor() * 0.25;
    struct Case {
        QPointF Center;
        QColor Rim;
        QColor Highlight;
    };
    for (const Case& stone : {Case {intersection(*view, 3, 1), kBlack, kGrey},
                              Case {intersection(*view, 5, 7), kWhite, kLightGrey}}) {
        const QPointF highlight = stone.Center + QPointF(d, d);
        EXPECT_TRUE(near(pixelAt(image, highlight), stone.Highlight, 16));
        EXPECT_TRUE(near(pixelAt(image, alongDiagonal(stone.Center, -0.9 * r)), stone.Rim, 30));
        EXPECT_TRUE(near(pixelAt(image, stone.Center + QPointF(0, -0.95 * r)), stone.Rim, 30));
        // Just outside the disc the board shows again.
        EXPECT_TRUE(near(pixelAt(image, alongDiagonal(stone.Center, -(r + 3))), kBoardColor));
        EXPECT_TRUE(near(pixelAt(image, alongDiagonal(stone.Center, r + 3)), kBoardColor));
    }
    // The mirrored points stay empty: the stones are drawn where they were played.
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 3, 7) + QPointF(d, d)), kBoardColor));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 5, 1) + QPointF(d, d)), kBoardColor));
}

TEST(BoardViewPaint, aStoneValueOtherThanBlackOrWhiteDrawsNothing)
{
    auto view = twoPlayerView();
    view->setStoneList({{GoBoardPoint(1, 1), GTPGoColorEmpty}, {GoBoardPoint(6, 3), GTPGoColorBlack},
                        {GoBoardPoint(7, 5), -1}, {GoBoardPoint(1, 7), GTPGoColorWhite}});
    const QImage image = render(*view);
    const double d = view->BoardWidthFactor() * 0.25;
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 1, 1) + QPointF(d, d)), kBoardColor));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 7, 5) + QPointF(d, d)), kBoardColor));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 6, 3) + QPointF(d, d)), kGrey, 16));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 1, 7) + QPointF(d, d)), kLightGrey, 16));

    // Drawn directly, neither the opaque nor the translucent stone touches anything.
    QImage canvas(view->size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(kBoardColor);
    QPainter painter(&canvas);
    view->drawStoneAtPoint(painter, GTPGoColorEmpty, intersection(*view, 4, 4));
    view->drawShadowOfStoneAtPoint(painter, 7, intersection(*view, 4, 4));
    painter.end();
    QImage blank(view->size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(kBoardColor);
    EXPECT_EQ(canvas, blank);
}

TEST(BoardViewPaint, theLastMoveRingIsWhiteOnBlackAndBlackOnWhiteWithDiameterOfTheRadius)
{
    auto view = twoPlayerView();
    view->setStoneList({{GoBoardPoint(2, 3), GTPGoColorBlack}, {GoBoardPoint(6, 5), GTPGoColorWhite}});
    const QImage plain = render(*view);
    const double ringRadius = view->StoneRadius() * 0.5;

    // Brightest (on black) or darkest (on white) pixel across the ring's left side.
    const auto extremeAcrossRing = [&](const QImage& image, QPointF center, bool brightest) {
        int extreme = brightest ? 0 : 255;
        for (double dx = -1.5; dx <= 1.5; dx += 1) {
            const int value = pixelAt(image, center + QPointF(-ringRadius + dx, 0.5)).lightness();
            extreme = brightest ? std::max(extreme, value) : std::min(extreme, value);
        }
        return extreme;
    };

    const QPointF black = intersection(*view, 2, 3);
    view->setLastMove(GoBoardPoint(2, 3));
    QImage ringed = render(*view);
    EXPECT_LT(extremeAcrossRing(plain, black, true), 110);
    EXPECT_GT(extremeAcrossRing(ringed, black, true), 180);
    // Inside and outside the ring the stone is untouched.
    EXPECT_EQ(pixelAt(ringed, black + QPointF(-ringRadius * 0.5, 0.5)),
              pixelAt(plain, black + QPointF(-ringRadius * 0.5, 0.5)));
    EXPECT_EQ(pixelAt(ringed, black + QPointF(-ringRadius * 1.5, 0.5)),
              pixelAt(plain, black + QPointF(-ringRadius * 1.5, 0.5)));

    const QPointF white = intersection(*view, 6, 5);
    view->setLastMove(GoBoardPoint(6, 5));
    ringed = render(*view);
    EXPECT_GT(extremeAcrossRing(plain, white, false), 180);
    EXPECT_LT(extremeAcrossRing(ringed, white, false), 90);
    // A cleared marker shows no ring.
    GoBoardPoint cleared = view->LastMove();
    cleared.setX(-1);
    view->setLastMove(cleared);
    EXPECT_EQ(render(*view), plain);
}

TEST(BoardViewPaint, theRefusedPointShowsARedDiagonalCrossEvenOverAStone)
{
    auto view = twoPlayerView();
    view->setStoneList({{GoBoardPoint(1, 2), GTPGoColorBlack}});
    const double arm = view->BoardWidthFactor() * 0.3;
    for (const GoBoardPoint& point : {GoBoardPoint(5, 3), GoBoardPoint(1, 2)}) {
        view->setForbiddenMove(point);
        const QImage image = render(*view);
        const QPointF center = intersection(*view, point.X(), point.Y());
        EXPECT_TRUE(near(pixelAt(image, center), kRed, 20));
        for (const QPointF& direction : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
            EXPECT_TRUE(near(pixelAt(image, center + direction * (arm / std::numbers::sqrt2)), kRed, 20));
        }
        // A cross, not a plus: straight along the lines there is no red.
        for (const QPointF& direction : {QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0), QPointF(0, -1)}) {
            EXPECT_FALSE(near(pixelAt(image, center + direction * arm + QPointF(2.5, 2.5)), kRed, 60));
        }
        // The bars are a grid spacing long: the ends reach half a spacing along the diagonal.
        const double beyond = view->BoardWidthFactor() * 0.5 + 4;
        EXPECT_FALSE(near(pixelAt(image, center + QPointF(1, 1) * (beyond / std::numbers::sqrt2)), kRed, 60));
    }
}

TEST(BoardViewPaint, countNumbersNumberEachColourFromOneInContrastingText)
{
    auto view = twoPlayerView();
    // Stones on even lines share their pixel alignment, so their crops compare.
    const GoBoardPoint firstBlack(0, 0);
    const GoBoardPoint secondBlack(2, 0);
    const GoBoardPoint onlyWhite(0, 2);
    const auto textBox = [&](const GoBoardPoint& point) {
        const double offset = view->StoneRadius() * 0.25;
        const QPointF lowerLeft = intersection(*view, point.X(), point.Y()) - QPointF(offset, offset + 5);
        return QRect(qRound(lowerLeft.x()) - 2, qRound(view->height() - lowerLeft.y()) - 22, 16, 26);
    };
    const auto countIn = [](const QImage& image, const QRect& box, bool bright) {
        int count = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            for (int y = box.top(); y <= box.bottom(); ++y) {
                const int lightness = image.pixelColor(x, y).lightness();
                count += bright ? (lightness > 200 ? 1 : 0) : (lightness < 60 ? 1 : 0);
            }
        }
        return count;
    };

    view->setStoneList({{firstBlack, GTPGoColorBlack}, {onlyWhite, GTPGoColorWhite}});
    view->setDisplayCount(true);
    const QImage single = render(*view);
    view->setStoneList({{firstBlack, GTPGoColorBlack}, {secondBlack, GTPGoColorBlack}, {onlyWhite, GTPGoColorWhite}});
    view->setDisplayCount(false);
    const QImage hidden = render(*view);
    view->setDisplayCount(true);
    const QImage shown = render(*view);

    for (const GoBoardPoint& black : {firstBlack, secondBlack}) {
        EXPECT_EQ(countIn(hidden, textBox(black), true), 0);
        EXPECT_GT(countIn(shown, textBox(black), true), 10);
    }
    EXPECT_EQ(countIn(hidden, textBox(onlyWhite), false), 0);
    EXPECT_GT(countIn(shown, textBox(onlyWhite), false), 10);

    // The two black stones carry different numbers, one of them the "1" that a lone
    // black stone carries; the white stone's "1" is counted on its own.
    const QImage first = shown.copy(textBox(firstBlack));
    const QImage second = shown.copy(textBox(secondBlack));
    const QImage one = single.copy(textBox(firstBlack));
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == one || second == one);
    EXPECT_EQ(shown.copy(textBox(onlyWhite)), single.copy(textBox(onlyWhite)));
}
