// What a screen reader finds on each screen: the board taking the keyboard
// focus, the cursor carrying the accessibility focus from point to point, and
// controls named in words in the chosen language.
#include "tests/app/AppUnderTest.h"

#include "app/GameInfoViewController.h"
#include "translations/Translations.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

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

// Sliders are named by their row and read their value, the counting choice is
// labelled by its row, and the review buttons say in words what their arrows
// show, in each language and again when the language changes.
TEST(Accessibility, everyControlSaysWhatItIsInTheChosenLanguage)
{
    const struct {
        QString language;
        QStringList setup; // handicap, time, strength; the counting's label; Back, as its title says
        QStringList review; // <<, <, >, >>
    } rows[] = {
        {"English", {"Handicap stones", "Thinking time in minutes", "Strength of the opponent", "Counting", "Back"},
         {"First move", "Previous move", "Next move", "Last move"}},
        {"Français",
         {"Pierres de handicap", "Temps de réflexion en minutes", "Force de l’adversaire", "Décompte", "Retour"},
         {"Premier coup", "Coup précédent", "Coup suivant", "Dernier coup"}},
    };
    App app;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language.toStdString());
        app.delegate.showGameSetup(GTPGoColorBlack, row.language);
        const auto* setup = app.screen<GameInfoViewController>();
        setup->TimeSlider()->setValue(7);
        QStringList setupNames;
        for (QSlider* slider : {setup->HandicapSlider(), setup->TimeSlider(), setup->StrengthSlider()}) {
            setupNames << readerOf(slider)->text(QAccessible::Name);
        }
        const auto labels = readerOf(setup->CountingChoice())->relations(QAccessible::Label);
        setupNames << (labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name))
                   << readerOf(setup->BackButton())->text(QAccessible::Name);
        EXPECT_EQ(setupNames, row.setup);
        EXPECT_EQ(readerOf(setup->TimeSlider())->valueInterface()->currentValue(), 7);

        app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, row.language);
        QStringList reviewNames, titles;
        for (const char* button : {"StartButton", "BackButton", "NextButton", "EndButton"}) {
            reviewNames << readerOf(app.control<QPushButton>(button))->text(QAccessible::Name);
            titles << app.control<QPushButton>(button)->text();
        }
        EXPECT_EQ(reviewNames, row.review);
        EXPECT_EQ(titles, QStringList({"<<", "<", ">", ">>"}));
    }
    // Back to English while the board shows.
    Translations::install(rows[0].language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(readerOf(app.control<QPushButton>("EndButton"))->text(QAccessible::Name), rows[0].review.last());
}
