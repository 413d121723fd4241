#include "ScreenTestHelpers.h"

namespace {

const QStringList EnglishMenu {"Play against Pachi as Black", "Play against Pachi as White",
                               "Play against another player"};
const QStringList FrenchMenu {"Jouer avec noir contre Pachi", "Jouer avec blanc contre Pachi",
                              "Jouer contre un autre joueur"};
const QStringList EnglishSetup {"Play", "Back", "Time", "stones"};

QStringList menuTitles(const MainMenuViewController& menu)
{
    return {menu.BlackPachiButton()->text(), menu.WhitePachiButton()->text(), menu.TwoPlayersButton()->text()};
}

QStringList setupTexts(const GameInfoViewController& setup)
{
    return {setup.PlayButton()->text(), setup.BackButton()->text(), setup.TimeLabel()->text(),
            setup.StonesLabel()->text()};
}

// A window showing a setup screen, as the menu would have left it.
GameInfoViewController* showSetup(AppDelegate& delegate, const QString& language)
{
    auto* setup = new GameInfoViewController(GTPGoColorEmpty, language);
    delegate.window()->setCentralWidget(setup);
    delegate.window()->show();
    return setup;
}

} // namespace

TEST(MainMenu, StartsInEnglishInAFixedWindowAndSwitchesTitlesWithThePopUp)
{
    AppDelegate delegate;
    launch(delegate);
    auto* menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(delegate.window()->windowTitle(), "hoshi");
    EXPECT_EQ(menu->size(), QSize(800, 600));
    EXPECT_EQ(delegate.window()->minimumSize(), delegate.window()->maximumSize());
    EXPECT_TRUE(menu->CurrentLanguage().isNull());
    ASSERT_EQ(menu->LanguagesButton()->count(), 2);
    EXPECT_EQ(menu->LanguagesButton()->itemText(0), "English");
    EXPECT_EQ(menu->LanguagesButton()->itemText(1), "Français");
    EXPECT_EQ(menu->LanguagesButton()->currentIndex(), 0);
    EXPECT_EQ(menuTitles(*menu), EnglishMenu);
    menu->LanguagesButton()->setCurrentIndex(1);
    EXPECT_EQ(menuTitles(*menu), FrenchMenu);
    menu->LanguagesButton()->setCurrentIndex(0);
    EXPECT_EQ(menuTitles(*menu), EnglishMenu);
}

TEST(MainMenu, EachPlayButtonOpensTheSetupWithItsColourInThePopUpsLanguageAndBackKeepsIt)
{
    using Button = QPushButton* (MainMenuViewController::*)() const;
    for (const auto& [button, color] : {std::pair<Button, GTPGoColor> {&MainMenuViewController::BlackPachiButton, GTPGoColorBlack},
                                        {&MainMenuViewController::WhitePachiButton, GTPGoColorWhite},
                                        {&MainMenuViewController::TwoPlayersButton, GTPGoColorEmpty}}) {
        SCOPED_TRACE(color);
        AppDelegate delegate;
        // Made in English; the pop-up's later choice is what travels on.
        delegate.window()->setCentralWidget(new MainMenuViewController("English"));
        delegate.window()->show();
        QPointer<MainMenuViewController> menu = currentScreen<MainMenuViewController>(delegate);
        menu->LanguagesButton()->setCurrentIndex(1);
        QTest::mouseClick((menu.data()->*button)(), Qt::LeftButton);
        // The menu is still there while its click handler unwinds, and goes afterwards.
        EXPECT_FALSE(menu.isNull());
        auto* setup = currentScreen<GameInfoViewController>(delegate);
        EXPECT_TRUE(menu.isNull());
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(setup->PlayerColor(), color);
        EXPECT_EQ(setup->CurrentLanguage(), "Français");
        EXPECT_EQ(setupTexts(*setup), QStringList({"Jouer", "Retour", "Temps", "pierres"}));

        QTest::mouseClick(setup->BackButton(), Qt::LeftButton);
        auto* back = currentScreen<MainMenuViewController>(delegate);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->CurrentLanguage(), "Français");
        EXPECT_EQ(back->LanguagesButton()->currentText(), "Français");
        EXPECT_EQ(menuTitles(*back), FrenchMenu);
    }
}

TEST(GameSetup, AMissingLanguageCountsAsEnglishThereAndBackOnTheMenu)
{
    AppDelegate delegate;
    auto* setup = showSetup(delegate, QString());
    EXPECT_EQ(setup->CurrentLanguage(), "English");
    EXPECT_EQ(setupTexts(*setup), EnglishSetup);
    QTest::mouseClick(setup->BackButton(), Qt::LeftButton);
    auto* menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->CurrentLanguage(), "English");
    EXPECT_EQ(menu->LanguagesButton()->currentText(), "English");
    EXPECT_EQ(menuTitles(*menu), EnglishMenu);
}

TEST(GameSetup, OpensAtNoStonesAndFiveMinutesAndPlayTakesTheNumbersAtTheSlidersEnds)
{
    const struct {
        Qt::Key key, inward;
        QString stones, minutes, minutesAfterOneStep;
        int handicap;
        double mainTime;
    } cases[] = {{Qt::Key_End, Qt::Key_Left, "9", "15", "14", 9, 900.0},
                 {Qt::Key_Home, Qt::Key_Right, "0", "0", "1", 0, 0.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handicap);
        AppDelegate delegate;
        auto* setup = showSetup(delegate, "English");
        EXPECT_EQ(setup->NumberHandicapStones()->text(), "0");
        EXPECT_EQ(setup->Time()->text(), "5");
        QTest::keyClick(setup->HandicapSlider(), c.key);
        QTest::keyClick(setup->TimeSlider(), c.key);
        EXPECT_EQ(setup->NumberHandicapStones()->text(), c.stones);
        EXPECT_EQ(setup->Time()->text(), c.minutes);
        // The time slider moves by the minute.
        QTest::keyClick(setup->TimeSlider(), c.inward);
        EXPECT_EQ(setup->Time()->text(), c.minutesAfterOneStep);
        QTest::keyClick(setup->TimeSlider(), c.key);
        QTest::mouseClick(setup->PlayButton(), Qt::LeftButton);

        auto* board = currentScreen<BoardViewController>(delegate);
        ASSERT_NE(board, nullptr);
        EXPECT_EQ(board->GameInfo().Handicap(), c.handicap);
        EXPECT_EQ(board->GameInfo().TimeSettings().MainTime(), c.mainTime);
        EXPECT_EQ(board->PlayerColor(), GTPGoColorEmpty);
        EXPECT_EQ(board->CurrentLanguage(), "English");
        auto* view = board->findChild<BoardView*>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->StoneList().size(), static_cast<std::size_t>(c.handicap));
    }
}
