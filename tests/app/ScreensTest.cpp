// The application through what a user does: the road through the screens,
// menu, setup, board and back, in each language; the settings that come back;
// games kept when they end or are left and opened again; the board's keys.
#include "tests/app/AppUnderTest.h"
#include "app/AppDelegate.h"
#include "app/BoardViewController.h"
#include "app/GameArchive.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "app/StrengthText.h"
#include "board/BoardView.h"
#include "strength/OpponentStrength.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/FakeEngineRecord.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QtPrinters.h"
#include "translations/Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// Every text of the menu and setup screens: the one place they are written out.
const struct {
    QString language, cancel; // Qt's own dialogs speak it too
    QStringList menu; // Black, White, two players
    QStringList setup; // Play, Back, Time, stones
} kScreenTexts[] = {
    {"English", "Cancel",
     {"Play against Pachi as Black", "Play against Pachi as White", "Play against another player"},
     {"Play", "Back", "Time", "stones"}},
    {"Français", "Annuler",
     {"Jouer avec noir contre Pachi", "Jouer avec blanc contre Pachi", "Jouer contre un autre joueur"},
     {"Jouer", "Retour", "Temps", "pierres"}},
};

// Each language travels from the menu to the setup and back, where a double
// click that changed the screen never acts on the next one; changing the
// language while a screen shows retranslates it. The engine of a game started
// in French gets its start lines and waits; Resign goes back to a French menu
// and ends the engine.
TEST(Screens, theMenuStartsInAFixedWindowAndEveryScreenSpeaksTheChosenLanguage)
{
    App app;
    // The screen shown speaks that language.
    const auto expectTexts = [&](int language) {
        if (const auto* setup = app.screen<GameInfoViewController>()) {
            EXPECT_EQ(QStringList({setup->PlayButton()->text(), setup->BackButton()->text(),
                                   setup->TimeLabel()->text(), setup->StonesLabel()->text()}),
                      kScreenTexts[language].setup);
        } else if (app.screen<BoardViewController>() != nullptr) {
            EXPECT_EQ(app.control<QPushButton>("PassButton")->text(), BoardMessages::passTitle());
        } else {
            QStringList titles;
            std::ranges::transform(app.menuButtons(), std::back_inserter(titles), &QPushButton::text);
            EXPECT_EQ(titles, kScreenTexts[language].menu);
        }
    };
    EXPECT_EQ(app.delegate.window()->windowTitle(), "hoshi");
    EXPECT_EQ(app.delegate.window()->centralWidget()->size(), QSize(800, 600));
    EXPECT_EQ(app.delegate.window()->minimumSize(), app.delegate.window()->maximumSize());
    for (int i = 0; i < 6; ++i) { // each language with each colour: Black, White, two players
        const int language = i / 3;
        app.screen<MainMenuViewController>()->LanguagesButton()->setCurrentIndex(language);
        expectTexts(language);
        app.doubleClick(app.menuButtons().at(i % 3));
        ASSERT_NE(app.screen<GameInfoViewController>(), nullptr);
        EXPECT_EQ(app.screen<GameInfoViewController>()->PlayerColor(), static_cast<GTPGoColor>(i % 3));
        expectTexts(language);
        // The setup's Back lies over the menu's two-player button.
        app.doubleClick(app.screen<GameInfoViewController>()->BackButton());
        ASSERT_NE(app.screen<MainMenuViewController>(), nullptr) << "the second click went on to a setup";
        EXPECT_EQ(app.screen<MainMenuViewController>()->LanguagesButton()->currentText(),
                  kScreenTexts[language].language);
    }
    const auto retranslates = [&] {
        for (const int language : {0, 1}) {
            Translations::install(kScreenTexts[language].language);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), kScreenTexts[language].cancel);
            expectTexts(language);
        }
    };
    retranslates();
    app.click(app.menuButtons().at(1));
    app.screen<GameInfoViewController>()->HandicapSlider()->setValue(2);
    retranslates();
    app.click(app.screen<GameInfoViewController>()->PlayButton());
    retranslates();
    const QStringList startLines = expectedStartLineList(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.received().size() == startLines.size(); }, 5000));
    const auto pid = static_cast<pid_t>(app.board()->findChild<QProcess*>()->processId());
    app.click(app.control<QPushButton>("ResignButton"));
    expectTexts(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !processExists(pid); }, 5000)) << "the engine outlived its game";
    EXPECT_EQ(app.received(), startLines + QStringList {"quit"}) << "its start, then only its farewell";
}

// The setup opens at no stones, five minutes and plain GNU Go, the next time
// at what was played last, in the language chosen last, and at the defaults when
// the settings hold nonsense; Play takes the numbers at the sliders' ends, and
// the strength step goes on GNU Go's command line and in the title by its name.
// Two players have no Strength row.
TEST(Screens, theSetupTakesTheNumbersAtTheSlidersEndsAndTheyComeBackUnlessTheSettingsHoldNonsense)
{
    const std::string strongest(OpponentStrength::steps().back().Id), weakest(OpponentStrength::steps().front().Id);
    const struct {
        QByteArray profile; // empty: as the last run left it
        QString language, opened; // of the menu; the setup's stones and minutes
        std::string strength; // the step it opens at; "" for no Strength row
        Qt::Key end;
        int colour = 0; // the menu's button: Black, or two players
    } runs[] = {
        {"", "English", "0 5", "gnugo-1", Qt::Key_Home},
        {"", "Français", "0 0", weakest, Qt::Key_End},
        {"language=Klingon\nhandicap=12\nminutes=abc\nstrength=gnugo-11\n", "English", "0 5", "gnugo-1", Qt::Key_End},
        // A game between two players leaves the strength alone.
        {"", "Français", "9 15", "", Qt::Key_Home, 2},
        {"", "Français", "0 0", strongest, Qt::Key_End},
        {QByteArray("\xff\xfe\x00garbage[[[=\n", 16), "English", "0 5", "", Qt::Key_Home, 2},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(&run - runs);
        QFile profile(QSettings("hoshi", "hoshi").fileName());
        ASSERT_TRUE(run.profile.isEmpty() || (profile.open(QIODevice::WriteOnly) && profile.write(run.profile) > 0));
        profile.close();
        App app(&run == runs);
        qunsetenv("HOSHI_ENGINE"); // GNU Go, which takes a strength step
        EXPECT_EQ(app.screen<MainMenuViewController>()->LanguagesButton()->currentText(), run.language);
        app.screen<MainMenuViewController>()->LanguagesButton()->setCurrentIndex(1);
        app.click(app.menuButtons().at(run.colour));
        const auto* setup = app.screen<GameInfoViewController>();
        const auto numbers = [&] {
            return setup->NumberHandicapStones()->text() + " " + setup->Time()->text()
                + (setup->StrengthSlider()->isVisibleTo(setup) ? " " + setup->StrengthName()->text() : "");
        };
        const auto named = [](const std::string& id) {
            return id.empty() ? QString() : " " + StrengthText::name(*OpponentStrength::find(id));
        };
        EXPECT_EQ(numbers(), run.opened + named(run.strength));
        const bool top = run.end == Qt::Key_End;
        for (QSlider* slider : {setup->HandicapSlider(), setup->TimeSlider(), setup->StrengthSlider()}) {
            QTest::keyClick(slider, run.end);
        }
        const std::string played = run.colour == 0 ? (top ? strongest : weakest) : "";
        EXPECT_EQ(numbers(), QString(top ? "9 15" : "0 0") + named(played));
        // By the minute, and no board key takes the arrows here.
        QTest::keyClick(setup->TimeSlider(), top ? Qt::Key_Left : Qt::Key_Right);
        EXPECT_TRUE(numbers().startsWith(top ? "9 14" : "0 1"));
        QTest::keyClick(setup->TimeSlider(), run.end);
        app.click(setup->PlayButton());
        EXPECT_EQ(app.screen<BoardViewController>()->GameInfo().TimeSettings().MainTime(), top ? 900.0 : 0.0);
        EXPECT_EQ(app.board()->GoGame().Board().Stones().size(), top ? 9u : 0u);
        const auto* engine = app.board()->findChild<QProcess*>();
        QStringList arguments;
        for (const std::string& word : played.empty() ? std::vector<std::string>() : OpponentStrength::find(played)->arguments()) {
            arguments << QString::fromStdString(word);
        }
        EXPECT_EQ(engine ? engine->arguments().mid(4) : QStringList(), arguments);
        EXPECT_EQ(app.delegate.window()->windowTitle(), played.empty() ? "hoshi" : "hoshi —" + named(played));
    }
}

// A game is kept when it ends or is left, not without a turn, and opens again;
// where it cannot be written, the board says so and the log tells each failure.
TEST(KeptGames, aGameIsWrittenWhenItEndsOrIsLeftOpensAgainAndAFailureIsShownAndLogged)
{
    QDir archive(GameArchive::folder());
    archive.removeRecursively();
    App app;
    const struct {
        GTPGoColor player;
        std::vector<std::pair<int, int>> moves; // (-1, -1) passes
        QByteArray engineAnswer;
        std::string result, players; // Black's and White's names
        std::size_t kept; // moves in the file
    } games[] = {
        {GTPGoColorEmpty, {}, "", "", "", 0},
        {GTPGoColorEmpty, {{4, 4}, {3, 3}, {2, 2}, {-1, -1}, {-1, -1}}, "", "B+1.0", "Player Player", 5},
        {GTPGoColorEmpty, {{4, 4}}, "", "?", "Player Player", 1},
        {GTPGoColorBlack, {{4, 4}}, "resign", "B+R", "Player Pachi", 1},
        {GTPGoColorWhite, {}, "E5", "B+R", "Pachi Player", 1}, // White leaves at once: Black wins
    };
    for (const auto& game : games) {
        qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --genmove " + game.engineAnswer);
        app.delegate.showGame(GTPGoGameInfo(0, 300), game.player, "English");
        for (const auto& [column, row] : game.moves) {
            column < 0 ? app.press(Qt::Key_P) : app.click(column, row);
        }
        const GTPGoGame& played = app.board()->GoGame();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return game.engineAnswer.isEmpty() || played.IsGameOver() || played.Turns().size() > game.moves.size();
        }, 5000));
        app.click(app.control<QPushButton>("ResignButton"));
    }
    const QStringList files = archive.entryList({"*.sgf"}, QDir::Files, QDir::Time | QDir::Reversed);
    ASSERT_EQ(files.size(), 4) << files.join(' ').toStdString();
    for (int i = 0; i < 4; ++i) {
        QString problem;
        const SGFGameRecord r = GameArchive::read(archive.filePath(files.at(i)), problem).Record.value();
        // Both final passes are in the file.
        EXPECT_EQ(std::tuple(r.Result, r.BlackName + " " + r.WhiteName, r.Date, r.Moves.size()),
                  std::tuple(games[i + 1].result, games[i + 1].players,
                             QDate::currentDate().toString(Qt::ISODate).toStdString(), games[i + 1].kept));
    }
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d(-\d)?\.sgf$)").match(files.at(0)).hasMatch());

    // Opened again, the ended game shows in review with its count; the game that
    // was left goes on, and the engine is brought up to date.
    app.delegate.openGame(archive.filePath(files.at(0)));
    EXPECT_TRUE(app.control<QCheckBox>("DemonstrationButton")->isChecked());
    EXPECT_EQ(app.control<QLabel>("InfoTextField")->text(), BoardMessages::score(1, 2));
    app.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(archive.entryList({"*.sgf"}, QDir::Files, QDir::Time | QDir::Reversed), files) << "looked at, not kept again";
    qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --record " + app.dir.filePath("engine.txt").toUtf8());
    app.delegate.openGame(archive.filePath(files.at(1)), GTPGoColorBlack);
    const QStringList expected = expectedStartLineList(0) + QStringList {"play B E5", "time_left W 300 0", "genmove W"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.received() == expected; }, 5000))
        << app.received().join(", ").toStdString();
    // What cannot be opened says why, naming the move.
    ASSERT_FALSE(GameArchive::write(app.dir.filePath("bad.sgf"), "(;GM[1]SZ[9];B[ee];W[ee])"));
    QString problem;
    EXPECT_FALSE(GameArchive::read(app.dir.filePath("bad.sgf"), problem).Record);
    EXPECT_TRUE(problem.contains("2")) << "the refused move is named: " << problem.toStdString();

    // A file where the folder should be: no folder can be made there, even by root.
    archive.removeRecursively();
    ASSERT_FALSE(GameArchive::write(archive.path(), ""));
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    LogCapture log;
    app.press(Qt::Key_P);
    app.press(Qt::Key_P);
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.control<QLabel>("InfoTextField")->text().contains(archive.path()); }));
    app.click(app.control<QPushButton>("ResignButton")); // a second failure, told on the menu
    EXPECT_EQ(std::ranges::count_if(log.lines, [](const auto& l) { return l.find("cannot be made") != l.npos; }), 2);
    auto* notice = app.delegate.window()->findChild<QMessageBox*>();
    ASSERT_TRUE(notice != nullptr && notice->isVisible());
    EXPECT_TRUE(notice->text().contains(archive.path()) && notice->windowTitle() != "Open");
    notice->close();
    // Quitting with the game unsaved asks first: the player may stay and save it elsewhere.
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    app.click(4, 4);
    QString asked;
    QTimer::singleShot(0, [&] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        asked = question != nullptr ? question->text() : "no question";
        question != nullptr ? question->reject() : void();
    });
    app.delegate.window()->close();
    EXPECT_TRUE(asked.contains(archive.path())) << asked.toStdString();
    EXPECT_TRUE(app.delegate.window()->isVisible() && app.screen<BoardViewController>() != nullptr);
    QFile::remove(archive.path());
}

// Save As and the board's keys act on the board only; there each click of a
// double click is a move, the keys do what the controls do, and no control
// keeps the focus that would let Space press it again.
TEST(BoardKeys, theBoardsKeysDoWhatItsControlsDoAndBothClicksOfADoubleClickAreMoves)
{
    App app;
    const QList<QAction*> actions = app.delegate.window()->findChildren<QAction*>();
    QAction* saveAs = *std::ranges::find(actions, QKeySequence(Qt::CTRL | Qt::Key_S), &QAction::shortcut);
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    EXPECT_TRUE(saveAs->isEnabled());
    // Save As opens in the archive at the game's own name; a name typed without
    // ".sgf" is checked with it before a file is replaced.
    QDir().mkpath(GameArchive::folder());
    QFile(GameArchive::folder() + "/taken.sgf").open(QIODevice::WriteOnly);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        seen << dialog->selectedFiles().value(0);
        QTimer::singleShot(0, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen << (question != nullptr ? question->text() : "no question");
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("taken");
        QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
        dialog->reject();
    });
    saveAs->trigger();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_TRUE(QRegularExpression("^" + GameArchive::folder() + R"(/\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d\.sgf$)")
                    .match(seen.at(0)).hasMatch()) << seen.at(0).toStdString();
    EXPECT_TRUE(seen.at(1).contains("taken.sgf")) << seen.at(1).toStdString();
    EXPECT_EQ(QFileInfo(GameArchive::folder() + "/taken.sgf").size(), 0) << "not replaced";
    app.delegate.window()->activateWindow(); // the window's shortcuts work while it is active
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.delegate.window()));
    const GTPGoGame& game = app.board()->GoGame();
    QCoreApplication::processEvents(); // the board is laid out
    LogCapture log;
    app.doubleClick(app.board(), app.vertex(4, 4));
    EXPECT_EQ(game.Turns().size(), 1u);
    EXPECT_EQ(app.control<QLabel>("InfoTextField")->text(), BoardMessages::refusal(GTPGoMessageOccupied))
        << "the second click tried the same point";
    EXPECT_EQ(std::ranges::count_if(log.lines, [](const auto& l) { return l.starts_with("Mouse location"); }), 2);
    app.click(3, 3);
    app.click(app.control<QCheckBox>("DemonstrationButton"));
    for (const auto& [key, turn] : {std::pair {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Home, 0},
                                    {Qt::Key_End, 1}}) {
        app.press(key);
        EXPECT_EQ(game.getNodeToDisplay()->TurnNumber(), turn);
    }
    app.click(app.control<QPushButton>("EndButton"));
    EXPECT_EQ(qobject_cast<QAbstractButton*>(QApplication::focusWidget()), nullptr) << "Space would press it again";
    app.press(Qt::Key_R); // review off, so that P passes: the game ends
    app.press(Qt::Key_P);
    app.press(Qt::Key_P);
    QAction* takeBack = *std::ranges::find(actions, QKeySequence(QKeySequence::Undo), &QAction::shortcut);
    for (const std::size_t turns : {3u, 2u, 1u, 0u}) { // first the pass that ended the game
        EXPECT_TRUE(takeBack->isEnabled());
        app.press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(game.Turns().size(), turns);
    }
    EXPECT_FALSE(takeBack->isEnabled());
    app.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(saveAs->isEnabled());
}
