// What a screen reader finds on each screen: the board taking the keyboard
// focus, the cursor carrying the accessibility focus from point to point.
#include "tests/app/AppUnderTest.h"

#include <QAccessible>

namespace {
QAccessibleInterface* readerOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}
}

// The board screen starts with the keyboard on the board; each key moves the
// accessibility focus with the cursor, and a move made there is said there.
TEST(Accessibility, theCursorCarriesTheFocusAndAMoveIsSaidWhereItWasPlayed)
{
    App app;
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    QCoreApplication::processEvents(); // the screen shows, and takes the keyboard
    EXPECT_EQ(app.delegate.window()->focusWidget(), app.board());
    QAccessibleInterface* board = readerOf(app.board());
    const struct {
        Qt::Key key;
        QString focus; // "" when no point has it
        QString description;
    } steps[] = {
        {Qt::Key_Left, "E5, empty", ""}, // the cursor shows at the centre
        {Qt::Key_Left, "D5, empty", ""},
        {Qt::Key_Return, "D5, black stone", "Black D5"},
        {Qt::Key_Return, "D5, black stone", "Refused: " + BoardMessages::refusal(GTPGoMessageOccupied)},
        {Qt::Key_Up, "D6, empty", ""},
        {Qt::Key_Return, "D6, white stone", "White D6"},
        {Qt::Key_Escape, "", ""},
    };
    for (const auto& step : steps) {
        app.press(step.key);
        QAccessibleInterface* focus = board->focusChild();
        const bool onPoint = focus != nullptr && focus->role() == QAccessible::Cell;
        EXPECT_EQ(onPoint ? focus->text(QAccessible::Name) : QString(), step.focus) << step.focus.toStdString();
        EXPECT_EQ((onPoint ? focus : board)->text(QAccessible::Description), step.description);
        EXPECT_TRUE(!onPoint || focus->state().focused);
    }
}
