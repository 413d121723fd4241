// What the board shows, read back from its pixels at positions computed from
// the 800 x 600 worked example: lines 63.5 apart from 46, stones of radius 31.25.
#include "BoardTestHarness.h"

using namespace boardtest;

namespace {
constexpr double kSpacing = 63.5;
constexpr double kRadius = 31.25;

// The pixel at view coordinates (y upward).
QColor at(const QImage& image, double x, double y)
{
    return image.pixelColor(static_cast<int>(x), image.height() - 1 - static_cast<int>(y));
}
// Whether a box of w x h pixels from (x, y) holds a dark one.
bool dark(const QImage& image, double x, double y, int w = 1, int h = 1)
{
    bool found = false;
    for (int i = 0; i < w * h; ++i) {
        found = found || at(image, x + i % w, y + i / w).lightness() < 80;
    }
    return found;
}
double line(double i)
{
    return 46 + kSpacing * i;
}
}

TEST(BoardPaint, woodGridLabelsStarPointsShadedStonesTheHoverStoneAndWhereClicksGo)
{
    BoardUnderTest board;
    board.play({"B2", "H8"});
    const QImage image = board.render();
    saveScreenshot(board, "board-two-stones");
    for (int i = 0; i <= 8; ++i) {
        // Each cell is framed inside itself: the last line lies one unit before its position.
        const double on = i == 8 ? line(i) - 1 : line(i);
        EXPECT_TRUE(dark(image, on, line(3.5)) && dark(image, line(3.5), on)) << "the lines " << i;
        EXPECT_LT(colorDistance(at(image, line(i) + 4, line(3.5)), kBoardColor), 12) << "wood beside them " << i;
        // "1".."9" in the left margin just below their line, "A".."J" along the bottom.
        EXPECT_TRUE(dark(image, 5, line(i) - 10, 10, 12) && dark(image, line(i), 5, 10, 12)) << "the labels " << i;
    }
    EXPECT_TRUE(dark(image, 0, 300) && dark(image, 599, 300)) << "the board area's frame";
    for (const auto& [i, j, star] : {std::tuple {2, 2, true}, {2, 6, true}, {4, 4, true}, {6, 2, true},
                                     {6, 6, true}, {3, 3, false}, {0, 0, false}, {8, 8, false}}) {
        EXPECT_EQ(dark(image, line(i) + 2.5, line(j) + 2.5), star) << i << "," << j;
    }
    const double d = kSpacing * 0.25, rim = 0.9 * kRadius / std::sqrt(2.0), outside = (kRadius + 3) / std::sqrt(2.0);
    for (const auto& [i, rimLight, highlight] : {std::tuple {1, 0, 128}, {7, 255, 170}}) {
        EXPECT_NEAR(at(image, line(i) + d, line(i) + d).lightness(), highlight, 16);
        EXPECT_NEAR(at(image, line(i) - rim, line(i) - rim).lightness(), rimLight, 30);
        EXPECT_LT(colorDistance(at(image, line(i) - outside, line(i) - outside), kBoardColor), 12) << "wood outside";
    }
    EXPECT_EQ(board.shown(), "X:B2 O:H8 @H8") << "drawn where they were played, not mirrored";

    // The translucent stone follows the mouse to the nearest free intersection, as clicks go.
    const auto hoverAt = [&](double column, double row) {
        board.moveMouseTo(QPointF(line(column), 600 - line(row)));
        return board.shown();
    };
    EXPECT_EQ(hoverAt(6.3, 2.8), "X:B2 O:H8 ~:G4 @H8");
    EXPECT_EQ(hoverAt(6.5, 2.5), "X:B2 O:H8 ~:H4 @H8") << "half-way goes to the next line";
    EXPECT_EQ(hoverAt(7.1, 6.9), "X:B2 O:H8 @H8") << "not over a stone";
    EXPECT_EQ(hoverAt(9.6, 4), "X:B2 O:H8 @H8") << "not outside the board";
    QMouseEvent edge(QEvent::MouseButtonPress, QPointF(line(-0.5), 600 - line(2)), {}, Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(board.view.get(), &edge);
    EXPECT_EQ(board.shown() + board.message().toStdString(), "X:B2 O:H8 @H8") << "nor on its edge, half a line out";
    QTest::mouseClick(board.view.get(), Qt::LeftButton, {}, QPointF(line(9.6), 300).toPoint());
    QTest::mouseClick(board.view.get(), Qt::RightButton, {}, board.at("E5"));
    EXPECT_EQ(board.shown(), "X:B2 O:H8 @H8") << "nor a stone played outside the board or with the right button";
    hoverAt(2, 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(board.view.get(), &leave);
    EXPECT_EQ(board.shown(), "X:B2 O:H8 @H8") << "nor once the mouse has left";
    EXPECT_EQ(hoverAt(6.4, 2.6), "X:B2 O:H8 ~:G4 @H8");
    EXPECT_EQ(board.play({"A9"}), "X:A9,B2 O:H8 @A9") << "a click hides it until the mouse moves";
}
