// The road through the screens: menu, setup, board and back, in each language.
#include "ScreenTestHelpers.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QWindow>

namespace {

// Every text of the menu and setup screens: the one place they are written out.
const struct {
    QString language;
    QStringList menu; // Black, White, two players
    QStringList setup; // Play, Back, Time, stones
} kScreenTexts[] = {
    {"English",
     {"Play against Pachi as Black", "Play against Pachi as White", "Play against another player"},
     {"Play", "Back", "Time", "stones"}},
    {"Français",
     {"Jouer avec noir contre Pachi", "Jouer avec blanc contre Pachi", "Jouer contre un autre joueur"},
     {"Jouer", "Retour", "Temps", "pierres"}},
};

QList<QPushButton*> menuButtons(const MainMenuViewController& menu)
{
    return {menu.BlackPachiButton(), menu.WhitePachiButton(), menu.TwoPlayersButton()};
}

QStringList titles(const QList<QPushButton*>& buttons)
{
    QStringList texts;
    for (const QPushButton* button : buttons) {
        texts << button->text();
    }
    return texts;
}

QStringList setupTexts(const GameInfoViewController& setup)
{
    return {setup.PlayButton()->text(), setup.BackButton()->text(), setup.TimeLabel()->text(),
            setup.StonesLabel()->text()};
}

} // namespace

TEST(Screens, theMenuStartsInEnglishInAFixedWindowAndEachLanguageTravelsToTheSetupAndBack)
{
    App app;
    EXPECT_EQ(app.delegate.window()->windowTitle(), "hoshi");
    EXPECT_EQ(app.delegate.window()->centralWidget()->size(), QSize(800, 600));
    EXPECT_EQ(app.delegate.window()->height(), 600 + app.delegate.window()->menuBar()->height());
    EXPECT_EQ(app.delegate.window()->minimumSize(), app.delegate.window()->maximumSize());
    auto* menu = app.screen<MainMenuViewController>();
    ASSERT_EQ(menu->LanguagesButton()->count(), 2);
    EXPECT_EQ(menu->LanguagesButton()->currentIndex(), 0);
    for (int language = 0; language < 2; ++language) {
        const auto& texts = kScreenTexts[language];
        SCOPED_TRACE(texts.language.toStdString());
        for (const GTPGoColor color : {GTPGoColorBlack, GTPGoColorWhite, GTPGoColorEmpty}) {
            menu = app.screen<MainMenuViewController>();
            EXPECT_EQ(menu->LanguagesButton()->itemText(language), texts.language);
            menu->LanguagesButton()->setCurrentIndex(language);
            EXPECT_EQ(titles(menuButtons(*menu)), texts.menu);
            app.click(menuButtons(*menu).at(static_cast<qsizetype>(color)));
            auto* setup = app.screen<GameInfoViewController>();
            ASSERT_NE(setup, nullptr);
            EXPECT_EQ(setup->PlayerColor(), color);
            EXPECT_EQ(setupTexts(*setup), texts.setup);
            app.click(setup->BackButton());
            EXPECT_EQ(app.screen<MainMenuViewController>()->LanguagesButton()->currentText(), texts.language);
        }
    }
    // A setup screen without a language speaks English, and so does the menu it goes back to.
    app.delegate.showGameSetup(GTPGoColorEmpty, QString());
    auto* setup = app.screen<GameInfoViewController>();
    EXPECT_EQ(setupTexts(*setup), kScreenTexts[0].setup);
    app.click(setup->BackButton());
    EXPECT_EQ(titles(menuButtons(*app.screen<MainMenuViewController>())), kScreenTexts[0].menu);
}

TEST(Screens, theSetupOpensAtNoStonesAndFiveMinutesAndPlayTakesTheNumbersAtTheSlidersEnds)
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
        App app;
        app.click(app.screen<MainMenuViewController>()->TwoPlayersButton());
        auto* setup = app.screen<GameInfoViewController>();
        EXPECT_EQ(setup->NumberHandicapStones()->text(), "0");
        EXPECT_EQ(setup->Time()->text(), "5");
        QTest::keyClick(setup->HandicapSlider(), c.key);
        QTest::keyClick(setup->TimeSlider(), c.key);
        EXPECT_EQ(setup->NumberHandicapStones()->text(), c.stones);
        EXPECT_EQ(setup->Time()->text(), c.minutes);
        QTest::keyClick(setup->TimeSlider(), c.inward); // the time slider moves by the minute
        EXPECT_EQ(setup->Time()->text(), c.minutesAfterOneStep);
        QTest::keyClick(setup->TimeSlider(), c.key);
        app.click(setup->PlayButton());

        auto* board = app.screen<BoardViewController>();
        ASSERT_NE(board, nullptr);
        EXPECT_EQ(board->GameInfo().TimeSettings().MainTime(), c.mainTime);
        EXPECT_EQ(board->findChild<BoardView*>()->GoGame().Board().Stones().size(),
                  static_cast<std::size_t>(c.handicap));
    }
}

// Menu, White, two stones, Play in French: the engine (Black) gets its start
// lines and waits; Resign goes back to a French menu and ends the engine.
TEST(GameRoad, AGameAgainstTheEngineStartsAndResignEndsItInTheGamesLanguage)
{
    App app;
    auto* menu = app.screen<MainMenuViewController>();
    menu->LanguagesButton()->setCurrentIndex(1);
    app.click(menu->WhitePachiButton());
    auto* setup = app.screen<GameInfoViewController>();
    setup->HandicapSlider()->setValue(2);
    app.click(setup->PlayButton());
    QPointer<BoardViewController> board = app.screen<BoardViewController>();
    ASSERT_NE(board, nullptr);
    const QStringList startLines = expectedStartLineList(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.received().size() == startLines.size(); }, 5000));
    EXPECT_EQ(app.received(), startLines);
    const auto pid = static_cast<pid_t>(board->findChild<QProcess*>()->processId());

    app.click(board->findChild<QPushButton*>("ResignButton"));
    menu = app.screen<MainMenuViewController>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(board.isNull());
    EXPECT_EQ(titles(menuButtons(*menu)), kScreenTexts[1].menu);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !processExists(pid); }, 5000)) << "the engine outlived its game";
    EXPECT_EQ(app.received(), startLines + QStringList {"quit"}) << "only its farewell after the start";
}

// The second click of a double click that changed the screen never acts on the
// next screen; on the board it plays no second stone; and no control keeps the
// focus that would let Space press it again.
TEST(GameRoad, ADoubleClickActsOnlyWhereItBeganAndSpacePressesNothing)
{
    App app;
    QWindow* window = app.delegate.window()->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // As from a real mouse: two clicks 100 ms apart with the event loop running
    // between them, so that a new screen is up for the second. (QTest's own
    // clicks deliver all four events at once.)
    const auto doubleClick = [&](QWidget* widget, QPoint at) {
        const QPoint position = widget->mapTo(app.delegate.window(), at);
        for (int i = 0; i < 2; ++i) {
            const int time = QTest::lastMouseTimestamp += 100;
            for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                qt_handleMouseEvent(window, position, window->mapToGlobal(position),
                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                                    type, {}, time);
            }
            QCoreApplication::processEvents();
        }
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
    };
    const auto pressSpace = [] {
        if (QWidget* focused = QApplication::focusWidget()) {
            QTest::keyClick(focused, Qt::Key_Space);
        }
    };

    // The setup's Back lies over the menu's two-player button, its Play over H3.
    QPushButton* black = app.screen<MainMenuViewController>()->BlackPachiButton();
    doubleClick(black, black->rect().center());
    auto* setup = app.screen<GameInfoViewController>();
    ASSERT_NE(setup, nullptr);
    doubleClick(setup->BackButton(), setup->BackButton()->rect().center());
    ASSERT_NE(app.screen<MainMenuViewController>(), nullptr) << "the second click went on to a setup screen";
    app.click(app.screen<MainMenuViewController>()->BlackPachiButton());
    setup = app.screen<GameInfoViewController>();
    doubleClick(setup->PlayButton(), setup->PlayButton()->rect().center());
    auto* board = app.screen<BoardViewController>();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->findChild<BoardView*>()->GoGame().Turns().empty()) << "the second click played a stone";
    app.click(board->findChild<QPushButton*>("ResignButton"));

    // Two players: a double click on the board plays one stone and says nothing.
    app.click(app.screen<MainMenuViewController>()->TwoPlayersButton());
    app.click(app.screen<GameInfoViewController>()->PlayButton());
    auto* view = app.screen<BoardViewController>()->findChild<BoardView*>();
    QCoreApplication::processEvents();
    doubleClick(view, QPoint(qRound(view->getPosX(4)), qRound(view->height() - view->getPosY(4))));
    EXPECT_EQ(view->GoGame().Turns().size(), 1u);
    EXPECT_EQ(view->findChild<QLabel*>("InfoTextField")->text(), "");

    app.click(view->findChild<QPushButton*>("PassButton"));
    pressSpace();
    EXPECT_FALSE(view->GoGame().IsGameOver()) << "Space passed a second time";
    QTest::mouseClick(view->findChild<QCheckBox*>("DemonstrationButton"), Qt::LeftButton);
    pressSpace();
    EXPECT_TRUE(view->findChild<QCheckBox*>("DemonstrationButton")->isChecked()) << "Space ticked the review box";
}

// Changing the language while a screen shows retranslates it, Qt's own dialogs included.
TEST(Screens, everyScreenRetranslatesWhenTheLanguageChanges)
{
    App app;
    const auto menuTitles = [&] { return titles(menuButtons(*app.screen<MainMenuViewController>())); };
    const auto setup = [&] { return setupTexts(*app.screen<GameInfoViewController>()); };
    const auto pass = [&] { return app.screen<BoardViewController>()->findChild<QPushButton*>("PassButton")->text(); };
    const auto switchTo = [](const QString& language) {
        Translations::install(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    };
    for (const int language : {1, 0}) {
        switchTo(kScreenTexts[language].language);
        EXPECT_EQ(menuTitles(), kScreenTexts[language].menu);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), language == 1 ? "Annuler" : "Cancel");
    }
    app.click(app.screen<MainMenuViewController>()->TwoPlayersButton());
    for (const int language : {1, 0}) {
        switchTo(kScreenTexts[language].language);
        EXPECT_EQ(setup(), kScreenTexts[language].setup);
    }
    app.click(app.screen<GameInfoViewController>()->PlayButton());
    for (const char* language : {"Français", "English"}) {
        switchTo(QString::fromUtf8(language));
        EXPECT_EQ(pass(), BoardMessages::passTitle());
    }
}
