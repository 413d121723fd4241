#include "ScreenTestHelpers.h"

#include "app/BoardViewController.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct MenuTitles {
    QString black, white, twoPlayers;
};
const MenuTitles EnglishMenu {"Play against Pachi as Black", "Play against Pachi as White", "Play against another player"};
const MenuTitles FrenchMenu {"Jouer avec noir contre Pachi", "Jouer avec blanc contre Pachi", "Jouer contre un autre joueur"};

void expectMenuTitles(const MainMenuViewController& menu, const MenuTitles& titles)
{
    EXPECT_EQ(menu.BlackPachiButton()->text(), titles.black);
    EXPECT_EQ(menu.WhitePachiButton()->text(), titles.white);
    EXPECT_EQ(menu.TwoPlayersButton()->text(), titles.twoPlayers);
}

void expectSetupTexts(const GameInfoViewController& setup, const QString& play, const QString& back,
                      const QString& time, const QString& stones)
{
    EXPECT_EQ(setup.PlayButton()->text(), play);
    EXPECT_EQ(setup.BackButton()->text(), back);
    EXPECT_EQ(setup.TimeLabel()->text(), time);
    EXPECT_EQ(setup.StonesLabel()->text(), stones);
}

// A window showing a setup screen, as the menu would have left it.
GameInfoViewController* showSetup(AppDelegate& delegate, GTPGoColor color, const QString& language)
{
    auto* setup = new GameInfoViewController(color, language);
    delegate.window()->setCentralWidget(setup);
    return setup;
}

} // namespace

TEST(MainMenu, StartsInEnglishInAFixedWindowAndSwitchesTitlesWithThePopUp)
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
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
    expectMenuTitles(*menu, EnglishMenu);

    menu->LanguagesButton()->setCurrentIndex(1);
    expectMenuTitles(*menu, FrenchMenu);
    menu->LanguagesButton()->setCurrentIndex(0);
    expectMenuTitles(*menu, EnglishMenu);
}

TEST(MainMenu, EachPlayButtonOpensTheSetupScreenWithItsColourAndThePopUpsLanguage)
{
    const std::vector<std::pair<std::function<QPushButton*(MainMenuViewController&)>, GTPGoColor>> buttons {
        {[](MainMenuViewController& m) { return m.BlackPachiButton(); }, GTPGoColorBlack},
        {[](MainMenuViewController& m) { return m.WhitePachiButton(); }, GTPGoColorWhite},
        {[](MainMenuViewController& m) { return m.TwoPlayersButton(); }, GTPGoColorEmpty},
    };
    for (const auto& [button, color] : buttons) {
        SCOPED_TRACE(color);
        AppDelegate delegate;
        // Made in English; the pop-up's later choice is what travels on.
        delegate.window()->setCentralWidget(new MainMenuViewController("English"));
        delegate.window()->show();
        QPointer<MainMenuViewController> menu = currentScreen<MainMenuViewController>(delegate);
        menu->LanguagesButton()->setCurrentIndex(1);

        QTest::mouseClick(button(*menu), Qt::LeftButton);
        // The menu is still there while its click handler unwinds, and goes afterwards.
        EXPECT_FALSE(menu.isNull());
        auto* setup = currentScreen<GameInfoViewController>(delegate);
        EXPECT_TRUE(menu.isNull());
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(setup->PlayerColor(), color);
        EXPECT_EQ(setup->CurrentLanguage(), "Français");
        expectSetupTexts(*setup, "Jouer", "Retour", "Temps", "pierres");
    }
}

TEST(GameSetup, OpensAtNoStonesAndFiveMinutesAndTheNumbersFollowTheSliders)
{
    AppDelegate delegate;
    auto* setup = showSetup(delegate, GTPGoColorEmpty, "English");
    delegate.window()->show();
    EXPECT_EQ(setup->NumberHandicapStones()->text(), "0");
    EXPECT_EQ(setup->Time()->text(), "5");
    expectSetupTexts(*setup, "Play", "Back", "Time", "stones");

    QTest::keyClick(setup->HandicapSlider(), Qt::Key_End);
    QTest::keyClick(setup->TimeSlider(), Qt::Key_End);
    EXPECT_EQ(setup->NumberHandicapStones()->text(), "9");
    EXPECT_EQ(setup->Time()->text(), "15");
    QTest::keyClick(setup->TimeSlider(), Qt::Key_Left);
    EXPECT_EQ(setup->Time()->text(), "14");
    QTest::keyClick(setup->HandicapSlider(), Qt::Key_Home);
    QTest::keyClick(setup->TimeSlider(), Qt::Key_Home);
    EXPECT_EQ(setup->NumberHandicapStones()->text(), "0");
    EXPECT_EQ(setup->Time()->text(), "0");
}

TEST(GameSetup, PlayBuildsTheSettingsFromTheNumbersAtTheSlidersEnds)
{
    struct Case {
        Qt::Key key;
        int handicap;
        double mainTime;
        std::size_t stones;
    };
    for (const Case& c : {Case {Qt::Key_End, 9, 900.0, 9}, Case {Qt::Key_Home, 0, 0.0, 0}}) {
        SCOPED_TRACE(c.handicap);
        AppDelegate delegate;
        auto* setup = showSetup(delegate, GTPGoColorEmpty, "English");
        delegate.window()->show();
        QTest::keyClick(setup->HandicapSlider(), c.key);
        QTest::keyClick(setup->TimeSlider(), c.key);
        QTest::mouseClick(setup->PlayButton(), Qt::LeftButton);

        auto* board = currentScreen<BoardViewController>(delegate);
        ASSERT_NE(board, nullptr);
        const GTPGoGameInfo& info = board->GameInfo();
        EXPECT_EQ(info.Handicap(), c.handicap);
        EXPECT_EQ(info.TimeSettings().MainTime(), c.mainTime);
        EXPECT_EQ(info.TimeSettings().ByoYomi(), 30.0);
        EXPECT_EQ(info.TimeSettings().NumberOfMovesPerByoYomi(), 1);
        EXPECT_EQ(info.BoardSize(), 9);
        EXPECT_EQ(info.Komi(), 0.0f);
        EXPECT_EQ(board->PlayerColor(), GTPGoColorEmpty);
        EXPECT_EQ(board->CurrentLanguage(), "English");

        auto* view = board->findChild<BoardView*>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->StoneList().size(), c.stones);
        EXPECT_EQ(view->GameInfo().Handicap(), c.handicap);
    }
}

TEST(GameSetup, BackKeepsTheLanguageAndAMissingLanguageCountsAsEnglish)
{
    AppDelegate delegate;
    auto* french = showSetup(delegate, GTPGoColorWhite, "Français");
    delegate.window()->show();
    QTest::mouseClick(french->BackButton(), Qt::LeftButton);
    auto* menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->CurrentLanguage(), "Français");
    EXPECT_EQ(menu->LanguagesButton()->currentText(), "Français");
    expectMenuTitles(*menu, FrenchMenu);

    // The setup screen hands on "English", not the missing string.
    auto* missing = showSetup(delegate, GTPGoColorBlack, QString());
    EXPECT_EQ(missing->CurrentLanguage(), "English");
    expectSetupTexts(*missing, "Play", "Back", "Time", "stones");
    QTest::mouseClick(missing->BackButton(), Qt::LeftButton);
    menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->LanguagesButton()->currentText(), "English");
    expectMenuTitles(*menu, EnglishMenu);
}
