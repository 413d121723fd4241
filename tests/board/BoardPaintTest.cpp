// What the board shows, read back from its pixels at positions computed from
// the 800 x 600 worked example: lines 63.5 apart from 46, stones of radius 31.25.
#include "BoardTestHarness.h"

using namespace boardtest;

namespace {
constexpr double kSpacing = 63.5;
constexpr double kBorder = 46;
constexpr double kRadius = 31.25;

// The pixel at view coordinates (y upward).
QColor at(const QImage& image, double x, double y)
{
    return image.pixelColor(static_cast<int>(x), image.height() - 1 - static_cast<int>(y));
}
double line(int i)
{
    return kBorder + kSpacing * i;
}
}

TEST(BoardPaint, anEmptyBoardShowsWoodGridLabelsAndStarPointsOnly)
{
    BoardUnderTest board;
    const QImage image = board.render();
    saveScreenshot(image, "board-empty");
    const double between = line(3) + kSpacing / 2;
    for (int i = 0; i <= 8; ++i) {
        SCOPED_TRACE(i);
        // Each cell is framed inside itself: the last line lies one unit before its position.
        const double on = i == 8 ? line(i) - 1 : line(i);
        EXPECT_LT(at(image, on, between).lightness(), 80) << "a line runs here";
        EXPECT_LT(at(image, between, on).lightness(), 80);
        EXPECT_LT(colorDistance(at(image, line(i) + 4, between), kBoardColor), 12) << "wood beside it";
        // "1".."9" in the left margin just below their line, "A".."I" along the bottom.
        bool rowLabel = false, columnLabel = false;
        for (int dx = 0; dx < 10; ++dx) {
            for (int dy = 0; dy < 12; ++dy) {
                rowLabel = rowLabel || at(image, 5 + dx, line(i) - 10 + dy).lightness() < 80;
                columnLabel = columnLabel || at(image, line(i) + dx, 5 + dy).lightness() < 80;
            }
        }
        EXPECT_TRUE(rowLabel && columnLabel);
    }
    EXPECT_LT(at(image, 0, 300).lightness(), 40) << "the board area's frame";
    EXPECT_LT(at(image, 599, 300).lightness(), 40);
    EXPECT_GT(colorDistance(at(image, 700, 195), kBoardColor), 12) << "the info column is not wood";
    for (const auto& [i, j, star] : {std::tuple {2, 2, true}, {2, 6, true}, {4, 4, true}, {6, 2, true},
                                     {6, 6, true}, {3, 3, false}, {0, 0, false}, {8, 8, false}}) {
        EXPECT_EQ(at(image, line(i) + 2.5, line(j) + 2.5).lightness() < 100, star) << i << "," << j;
    }
}

TEST(BoardPaint, stonesAreShadedFromTheirRimToAHighlightUpAndRight)
{
    BoardUnderTest board;
    board.play({"D2", "F8"});
    const QImage image = board.render();
    const double d = kSpacing * 0.25;
    const double diagonal = 0.9 * kRadius / std::sqrt(2.0);
    for (const auto& [x, y, rim, highlight] : {std::tuple {line(3), line(1), 0, 128}, {line(5), line(7), 255, 170}}) {
        SCOPED_TRACE(rim);
        EXPECT_NEAR(at(image, x + d, y + d).lightness(), highlight, 16);
        EXPECT_NEAR(at(image, x - diagonal, y - diagonal).lightness(), rim, 30);
        const double outside = (kRadius + 3) / std::sqrt(2.0);
        EXPECT_LT(colorDistance(at(image, x - outside, y - outside), kBoardColor), 12) << "wood just outside";
    }
    // Drawn where they were played, not mirrored.
    EXPECT_EQ(board.stones(), "X:D2 O:F8");
}

TEST(BoardPaint, theTranslucentStoneFollowsTheMouseToTheNearestFreeIntersectionOnThePlayersTurn)
{
    BoardUnderTest board;
    board.play({"E5"});
    const auto hoverAt = [&](double column, double row) {
        board.moveMouseTo(QPointF(line(0) + kSpacing * column, 600 - line(0) - kSpacing * row));
        return board.stones();
    };
    EXPECT_EQ(hoverAt(6.3, 2.8), "X:E5 ~:G4");
    EXPECT_EQ(hoverAt(6.5, 2.8), "X:E5 ~:H4") << "half-way goes to the next line";
    EXPECT_EQ(hoverAt(4.1, 4), "X:E5") << "not over a stone";
    EXPECT_EQ(hoverAt(9.6, 4), "X:E5") << "not outside the board";
    hoverAt(2, 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(board.view.get(), &leave);
    EXPECT_EQ(board.stones(), "X:E5");
    hoverAt(2, 2);
    board.play({"C3"});
    EXPECT_EQ(board.stones(), "X:E5 O:C3") << "a click hides it until the mouse moves";

    BoardUnderTest engine({GTPGoColorBlack, 0, kEnglish, 300, {"E5"}});
    engine.play({"C3"}, false);
    engine.moveMouseTo(engine.at("G7"));
    EXPECT_EQ(engine.stones(), "X:C3") << "none while the engine thinks";
    saveScreenshot(engine.render(), "board-engine-thinking");
}

TEST(BoardPaint, countNumbersNumberEachColourFromOne)
{
    const auto crop = [](const BoardUnderTest& board, const QImage& image, const std::string& vertex) {
        return image.copy(QRect(board.at(vertex) + QPoint(-10, 0), QSize(16, 16)));
    };
    BoardUnderTest one, two;
    one.play({"B2", "F6", "pass", "pass"});
    two.play({"B2", "F6", "D2", "pass", "pass"});
    const QImage single = one.render();
    const QImage shown = two.render();
    saveScreenshot(shown, "board-counted");
    EXPECT_NE(crop(two, shown, "B2"), crop(two, shown, "D2")) << "the two black stones carry 1 and 2";
    EXPECT_TRUE(crop(two, shown, "B2") == crop(one, single, "B2") || crop(two, shown, "D2") == crop(one, single, "B2"));
    EXPECT_EQ(crop(two, shown, "F6"), crop(one, single, "F6")) << "white is numbered on its own";
}
