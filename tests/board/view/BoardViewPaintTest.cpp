// What the board shows, read back from its pixels at computed positions.
#include "../BoardTestHarness.h"

#include <QPainter>

#include <numbers>

using namespace boardtest;
using BoardViewPaint = TwoPlayerBoard;

namespace {

// A point at the given distance from the centre, toward the upper right (the
// highlight) when positive, toward the lower left when negative.
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

// The highlight of a stone at (column, row), where a quarter spacing up and right from its centre.
QColor highlightAt(BoardView& view, const QImage& image, int column, int row)
{
    const double d = view.BoardWidthFactor() * 0.25;
    return pixelAt(image, intersection(view, column, row) + QPointF(d, d));
}

// The translucent stone under the mouse: an opaque highlight, and near the rim
// a blend of the stone's colour and the board, neither the one nor the other.
bool showsHoverStone(BoardView& view, int column, int row, GTPGoColor color)
{
    const QImage image = render(view);
    const QColor rim = pixelAt(image, intersection(view, column, row) + QPointF(-0.85 * view.StoneRadius(), 5.5));
    return near(highlightAt(view, image, column, row), color == GTPGoColorBlack ? kGrey : kLightGrey, 16)
        && colorDistance(rim, kBoardColor) > 30 && colorDistance(rim, color == GTPGoColorBlack ? kBlack : kWhite) > 30;
}

bool showsBoard(BoardView& view, int column, int row)
{
    const QImage image = render(view);
    const QPointF rim = intersection(view, column, row) + QPointF(-0.85 * view.StoneRadius(), 5.5);
    return near(highlightAt(view, image, column, row), kBoardColor) && near(pixelAt(image, rim), kBoardColor);
}

} // namespace

TEST_F(BoardViewPaint, anEmptyBoardShowsBackgroundGridLabelsAndStarPointsOnly)
{
    const QImage image = render(*view);
    const double between = view->getPosY(3.5f);
    for (int i = 0; i <= 8; ++i) {
        SCOPED_TRACE(i);
        // Each line is dark where it runs; midway between lines the board shows.
        const double lineX = view->getPosX(i);
        const double lineY = view->getPosY(i);
        EXPECT_GT(darkPixelsIn(image, QRectF(lineX - 2, between - 0.5, 4, 1)), 0);
        EXPECT_TRUE(near(pixelAt(image, {lineX + 3.5, between}), kBoardColor));
        EXPECT_TRUE(near(pixelAt(image, {view->getPosX(3.5f), lineY + 3.5}), kBoardColor));
        // Labels: "1".."9" in the left margin just below their line, "A".."I" along the bottom.
        EXPECT_GT(darkPixelsIn(image, QRectF(5, lineY - 10, 10, 12)), 0);
        EXPECT_GT(darkPixelsIn(image, QRectF(lineX, 5, 10, 12)), 0);
    }
    // The outer frame of the board area; the info column is not board-coloured.
    EXPECT_TRUE(near(pixelAt(image, {0.5, 300.5}), kBlack));
    EXPECT_TRUE(near(pixelAt(image, {599.5, 300.5}), kBlack));
    EXPECT_TRUE(near(pixelAt(image, {3.5, 30.5}), kBoardColor));
    EXPECT_FALSE(near(pixelAt(image, {700.5, 195.5}), kBoardColor));
    // Star points are filled discs of radius 5; other intersections are not.
    for (const auto& [i, j] : {std::pair {2, 2}, {2, 6}, {4, 4}, {6, 2}, {6, 6}}) {
        EXPECT_TRUE(near(pixelAt(image, intersection(*view, i, j) + QPointF(2.5, 2.5)), kBlack, 40)) << i << j;
    }
    for (const auto& [i, j] : {std::pair {3, 3}, {2, 4}, {0, 0}, {8, 8}}) {
        EXPECT_TRUE(near(pixelAt(image, intersection(*view, i, j) + QPointF(2.5, 2.5)), kBoardColor)) << i << j;
    }
}

TEST_F(BoardViewPaint, stonesAreShadedFromTheirRimToAHighlightUpAndRightAndOtherValuesDrawNothing)
{
    click(*view, 3, 1); // Black
    click(*view, 5, 7); // White
    QImage image = render(*view);
    const double r = view->StoneRadius();
    const double d = view->BoardWidthFactor() * 0.25;
    for (const auto& [center, rim, highlight] : {std::tuple {intersection(*view, 3, 1), kBlack, kGrey},
                                                 std::tuple {intersection(*view, 5, 7), kWhite, kLightGrey}}) {
        EXPECT_TRUE(near(pixelAt(image, center + QPointF(d, d)), highlight, 16));
        EXPECT_TRUE(near(pixelAt(image, alongDiagonal(center, -0.9 * r)), rim, 30));
        EXPECT_TRUE(near(pixelAt(image, center + QPointF(0, -0.95 * r)), rim, 30));
        // Just outside the disc the board shows again.
        EXPECT_TRUE(near(pixelAt(image, alongDiagonal(center, -(r + 3))), kBoardColor));
        EXPECT_TRUE(near(pixelAt(image, alongDiagonal(center, r + 3)), kBoardColor));
    }
    // The mirrored points stay empty: the stones are drawn where they were played.
    EXPECT_TRUE(near(highlightAt(*view, image, 3, 7), kBoardColor));
    EXPECT_TRUE(near(highlightAt(*view, image, 5, 1), kBoardColor));

    // A colour value other than Black (1) or White (2) draws nothing.
    view->setStoneList({{GoBoardPoint(1, 1), GTPGoColorEmpty}, {GoBoardPoint(6, 3), GTPGoColorBlack},
                        {GoBoardPoint(7, 5), -1}, {GoBoardPoint(1, 7), GTPGoColorWhite}});
    image = render(*view);
    EXPECT_TRUE(near(highlightAt(*view, image, 1, 1), kBoardColor));
    EXPECT_TRUE(near(highlightAt(*view, image, 7, 5), kBoardColor));
    EXPECT_TRUE(near(highlightAt(*view, image, 6, 3), kGrey, 16));
    EXPECT_TRUE(near(highlightAt(*view, image, 1, 7), kLightGrey, 16));
    // Drawn directly, neither the opaque nor the translucent stone touches anything.
    QImage canvas(view->size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(kBoardColor);
    const QImage blank = canvas.copy();
    QPainter painter(&canvas);
    view->drawStoneAtPoint(painter, GTPGoColorEmpty, intersection(*view, 4, 4));
    view->drawShadowOfStoneAtPoint(painter, 7, intersection(*view, 4, 4));
    painter.end();
    EXPECT_EQ(canvas, blank);
}

TEST_F(BoardViewPaint, theLastMoveRingIsWhiteOnBlackAndBlackOnWhiteWithDiameterOfTheRadius)
{
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
    for (const double distance : {0.5, 1.5}) {
        const QPointF probe = black + QPointF(-ringRadius * distance, 0.5);
        EXPECT_EQ(pixelAt(ringed, probe), pixelAt(plain, probe));
    }

    const QPointF white = intersection(*view, 6, 5);
    view->setLastMove(GoBoardPoint(6, 5));
    ringed = render(*view);
    EXPECT_GT(extremeAcrossRing(plain, white, false), 180);
    EXPECT_LT(extremeAcrossRing(ringed, white, false), 90);
    // A marker cleared as the game clears it, by its column alone, shows no ring.
    view->setLastMove(GoBoardPoint(-1, 5));
    EXPECT_EQ(render(*view), plain);
}

TEST_F(BoardViewPaint, theRefusedPointShowsARedDiagonalCrossEvenOverAStone)
{
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
        EXPECT_FALSE(near(pixelAt(image, alongDiagonal(center, view->BoardWidthFactor() * 0.5 + 4)), kRed, 60));
    }
}

TEST_F(BoardViewPaint, countNumbersNumberEachColourFromOneInContrastingText)
{
    // Stones on even lines share their pixel alignment, so their crops compare.
    const GoBoardPoint firstBlack(0, 0), secondBlack(2, 0), onlyWhite(0, 2);
    const auto textBox = [&](const GoBoardPoint& point) {
        const double offset = view->StoneRadius() * 0.25;
        const QPointF lowerLeft = intersection(*view, point.X(), point.Y()) - QPointF(offset, offset + 5);
        return QRect(qRound(lowerLeft.x()) - 2, qRound(view->height() - lowerLeft.y()) - 22, 16, 26);
    };

    view->setStoneList({{firstBlack, GTPGoColorBlack}, {onlyWhite, GTPGoColorWhite}});
    view->setDisplayCount(true);
    const QImage single = render(*view);
    view->setStoneList({{firstBlack, GTPGoColorBlack}, {secondBlack, GTPGoColorBlack}, {onlyWhite, GTPGoColorWhite}});
    view->setDisplayCount(false);
    const QImage hidden = render(*view);
    view->setDisplayCount(true);
    const QImage shown = render(*view);

    // A number in the stone's own colour would leave the crop unchanged.
    for (const GoBoardPoint& stone : {firstBlack, secondBlack, onlyWhite}) {
        EXPECT_NE(shown.copy(textBox(stone)), hidden.copy(textBox(stone))) << stone.X() << "," << stone.Y();
    }
    // The two black stones carry different numbers, one of them the "1" that a lone
    // black stone carries; the white stone's "1" is counted on its own.
    const QImage first = shown.copy(textBox(firstBlack));
    const QImage second = shown.copy(textBox(secondBlack));
    const QImage one = single.copy(textBox(firstBlack));
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == one || second == one);
    EXPECT_EQ(shown.copy(textBox(onlyWhite)), single.copy(textBox(onlyWhite)));
}

TEST_F(BoardViewPaint, theStoneToPlayFollowsTheMouseToTheNearestFreeIntersectionWhileMovesAreOpen)
{
    const double spacing = view->BoardWidthFactor();
    view->setMouseLocationToUpdate(intersection(*view, 6, 3) + QPointF(spacing * 0.3, -spacing * 0.2));
    EXPECT_TRUE(showsHoverStone(*view, 6, 3, GTPGoColorBlack));
    // Past the half-way point the stone moves to the next line.
    view->setMouseLocationToUpdate(intersection(*view, 6, 3) + QPointF(spacing * 0.5, 0));
    EXPECT_TRUE(showsBoard(*view, 6, 3));
    EXPECT_TRUE(showsHoverStone(*view, 7, 3, GTPGoColorBlack));

    // After Black has played, the stone under the mouse is White's.
    click(*view, 1, 1);
    view->setMouseLocationToUpdate(intersection(*view, 6, 3));
    EXPECT_TRUE(showsHoverStone(*view, 6, 3, GTPGoColorWhite));
    // Not in review, and again after it.
    view->onDemonstration();
    EXPECT_TRUE(showsBoard(*view, 6, 3));
    view->onDemonstration();
    EXPECT_TRUE(showsHoverStone(*view, 6, 3, GTPGoColorWhite));
    // Never over a stone: the black stone is drawn as it is.
    view->setMouseLocationToUpdate(intersection(*view, 1, 1));
    const QImage image = render(*view);
    EXPECT_TRUE(near(highlightAt(*view, image, 1, 1), kGrey, 16));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 1, 1) + QPointF(-0.85 * view->StoneRadius(), 5.5)), kBlack, 30));
    // Off the board, or after the end, nothing.
    view->setMouseLocationToUpdate(QPointF(-1, -1));
    EXPECT_TRUE(showsBoard(*view, 6, 3));
    view->setMouseLocationToUpdate(intersection(*view, 6, 3));
    view->GoGame().setIsGameOver(true);
    EXPECT_TRUE(showsBoard(*view, 6, 3));
}

TEST_F(BoardViewPaint, againstTheEngineTheStoneUnderTheMouseShowsOnlyOnThePlayersTurn)
{
    // Player Black without handicap moves first; as White, the engine (Black) is thinking from the start.
    harness.useFakeEngine();
    for (const auto& [player, shown] : {std::pair {GTPGoColorBlack, true}, {GTPGoColorWhite, false}}) {
        view = harness.makeView(player);
        view->setMouseLocationToUpdate(intersection(*view, 2, 5));
        EXPECT_EQ(showsHoverStone(*view, 2, 5, GTPGoColorBlack), shown) << player;
        EXPECT_EQ(showsBoard(*view, 2, 5), !shown) << player;
    }
}
