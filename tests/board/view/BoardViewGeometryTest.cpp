// Where the board, its intersections and the info column's controls sit, and
// where a mouse location lands.
#include "../BoardTestHarness.h"

#include <QMouseEvent>

using namespace boardtest;
using BoardViewGeometry = TwoPlayerBoard;

namespace {

// A control's frame, given bottom-up as in the layout, matches its widget
// geometry within the rounding to whole pixels.
void expectFrame(const QWidget* control, double x, double y, double width, double height)
{
    const QRect g = control->geometry();
    const double top = control->parentWidget()->height() - y - height;
    EXPECT_NEAR(g.left(), x, 0.5);
    EXPECT_NEAR(g.top(), top, 0.5);
    EXPECT_NEAR(g.left() + g.width(), x + width, 0.5);
    EXPECT_NEAR(g.top() + g.height(), top + height, 0.5);
}

void moveMouse(BoardView& view, QPointF location)
{
    const QPointF widgetPosition(location.x(), view.height() - location.y());
    QMouseEvent event(QEvent::MouseMove, widgetPosition, view.mapToGlobal(widgetPosition), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

} // namespace

TEST_F(BoardViewGeometry, aWindowOf800By600GivesTheWorkedExampleBoardAndControlFrames)
{
    EXPECT_EQ(view->BorderSize(), 46);
    EXPECT_DOUBLE_EQ(view->BoardWidthFactor(), 63.5);
    EXPECT_DOUBLE_EQ(view->BoardHeightFactor(), 63.5);
    EXPECT_EQ(view->GoBoardRect(), QRectF(46, 46, 508, 508));
    EXPECT_EQ(view->GoBoardHitbox(), QRectF(14.25, 14.25, 571.5, 571.5));
    EXPECT_FLOAT_EQ(view->StoneRadius(), 31.25f);
    EXPECT_FLOAT_EQ(view->getPosX(8), 554.0f);
    // Fractional and negative indices extrapolate along the grid.
    EXPECT_FLOAT_EQ(view->getPosX(0.5f), 77.75f);
    EXPECT_FLOAT_EQ(view->getPosY(-1), -17.5f);

    expectFrame(view->ResignButton(), 600, 0, 200, 37.5);
    expectFrame(view->PassButton(), 600, 37.5, 200, 37.5);
    expectFrame(view->WhiteCapturedStonesTextField(), 605, 95, 92, 37.5);
    expectFrame(view->BlackCapturedStonesTextField(), 703, 95, 91, 37.5);
    expectFrame(view->WhiteTimeTextField(), 605, 142.5, 92, 37.5);
    expectFrame(view->BlackTimeTextField(), 703, 142.5, 92, 37.5);
    expectFrame(view->InfoTextField(), 605, 210, 190, 270);
    expectFrame(view->DemonstrationButton(), 605, 490, 190, 37.5);
    expectFrame(view->StartButton(), 605, 537.5, 47.5, 37.5);
    expectFrame(view->BackButton(), 652.5, 537.5, 47.5, 37.5);
    expectFrame(view->NextButton(), 700, 537.5, 47.5, 37.5);
    expectFrame(view->EndButton(), 747.5, 537.5, 47.5, 37.5);
    // Only the review buttons start hidden.
    for (const QPushButton* button : {view->StartButton(), view->BackButton(), view->NextButton(), view->EndButton()}) {
        EXPECT_TRUE(button->isHidden());
    }
    EXPECT_FALSE(view->PassButton()->isHidden());
    EXPECT_FALSE(view->DemonstrationButton()->isChecked());
}

TEST_F(BoardViewGeometry, aFrameNarrowerThanFourToThreeSizesTheBoardByTheWidthAndTheColumnFollows)
{
    // 600 x 600: the board square is 450 at the bottom, the column 150 to its right.
    view = harness.makeView(GTPGoColorEmpty, 0, kEnglish, 300, QRect(0, 0, 600, 600));
    EXPECT_DOUBLE_EQ(view->BoardWidthFactor(), 44.75);
    EXPECT_EQ(view->GoBoardRect(), QRectF(46, 46, 358, 358));
    EXPECT_FLOAT_EQ(view->StoneRadius(), 21.875f);
    const QImage image = render(*view);
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 0.5, 0.5)), kBoardColor));
    EXPECT_TRUE(near(pixelAt(image, intersection(*view, 7.5, 7.5)), kBoardColor));
    EXPECT_FALSE(near(pixelAt(image, QPointF(200.5, 520.5)), kBoardColor));

    expectFrame(view->ResignButton(), 450, 0, 150, 37.5);
    expectFrame(view->BlackCapturedStonesTextField(), 528, 95, 66, 37.5);
    expectFrame(view->InfoTextField(), 455, 210, 140, 270);
    expectFrame(view->EndButton(), 455 + 3 * 35, 537.5, 35, 37.5);
}

TEST_F(BoardViewGeometry, aLocationGoesToTheNearestLineWithHalvesAwayFromZero)
{
    const double half = view->BoardWidthFactor() / 2;
    const double x = view->getPosX(2);
    const double y = view->getPosY(5);
    const QRectF hitbox = view->GoBoardHitbox();
    const struct {
        QPointF location;
        std::optional<GoBoardPoint> point;
    } cases[] = {
        {{x, y}, GoBoardPoint(2, 5)},
        {{x + half * 2 / 3, y}, GoBoardPoint(2, 5)},
        {{x + half, y}, GoBoardPoint(3, 5)},
        {{x + half - 0.01, y}, GoBoardPoint(2, 5)},
        {{x - half, y + half}, GoBoardPoint(2, 6)},
        {{x, y - half + 0.01}, GoBoardPoint(2, 5)},
        // Within half a spacing outside the outermost lines is still the board.
        {{view->getPosX(0) - half * 0.98, view->getPosY(8) + half * 0.98}, GoBoardPoint(0, 8)},
        // Outside the hit box, and on its edges where rounding would leave the board, no point.
        {{hitbox.x() - 1, y}, std::nullopt},
        {{hitbox.x(), y}, std::nullopt},
        {{x, hitbox.y() + hitbox.height()}, std::nullopt},
        {{700, 300}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(view->locationToBoardPoint(c.location), c.point) << c.location.x() << "," << c.location.y();
    }
}

TEST_F(BoardViewGeometry, theMouseIsTrackedInViewCoordinatesOverTheHitboxOnly)
{
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
    EXPECT_EQ(view->StoneList(), BoardView::StoneMap({{GoBoardPoint(2, 6), GTPGoColorBlack}}));
}
