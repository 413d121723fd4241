// Games that last (kept when they end or are left, opened again), the keyboard,
// and the settings the player chose last time.
#include "ScreenTestHelpers.h"

#include "app/GameArchive.h"
#include "sgf/SGFReader.h"
#include "sgf/SGFWriter.h"

#include <QCheckBox>
#include <QDir>

namespace {

QStringList archived()
{
    return QDir(GameArchive::folder()).entryList({QStringLiteral("*.sgf")}, QDir::Files, QDir::Time | QDir::Reversed);
}

SGFGameRecord readBack(const QString& name)
{
    QString problem;
    const SGFReadResult read = GameArchive::read(GameArchive::folder() + '/' + name, problem);
    EXPECT_TRUE(read.Record) << problem.toStdString();
    return read.Record.value_or(SGFGameRecord());
}

BoardView* boardView(const App& app)
{
    auto* board = app.screen<BoardViewController>();
    return board != nullptr ? board->boardView() : nullptr;
}

void clickVertex(BoardView& view, int column, int row)
{
    QTest::mouseClick(&view, Qt::LeftButton, {},
                      QPoint(qRound(view.getPosX(column)), qRound(view.height() - view.getPosY(row))));
}

void press(const App& app, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(app.delegate.window(), key, modifiers);
}

} // namespace

TEST(KeptGames, aGameIsWrittenWhenItEndsOrIsLeftAndAGameWithoutATurnIsNot)
{
    QDir(GameArchive::folder()).removeRecursively();
    App app;
    const struct {
        GTPGoColor player;
        std::vector<std::pair<int, int>> moves; // (-1, -1) passes
        QByteArray engineAnswer;
        std::string result, black, white;
    } games[] = {
        {GTPGoColorEmpty, {}, "", "", "", ""},
        {GTPGoColorEmpty, {{4, 4}, {3, 3}, {-1, -1}, {-1, -1}}, "", "0", "Player", "Player"},
        {GTPGoColorEmpty, {{4, 4}}, "", "?", "Player", "Player"},
        {GTPGoColorBlack, {{4, 4}}, "resign", "B+R", "Player", "Pachi"},
        {GTPGoColorWhite, {}, "E5", "B+R", "Pachi", "Player"}, // White leaves at once: Black wins
    };
    for (const auto& game : games) {
        qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --genmove " + game.engineAnswer);
        app.delegate.showGame(GTPGoGameInfo(0, 300), game.player, "English");
        BoardView* view = boardView(app);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.player != GTPGoColorWhite || !view->GoGame().Turns().empty(); }, 5000));
        for (const auto& [column, row] : game.moves) {
            column < 0 ? press(app, Qt::Key_P) : clickVertex(*view, column, row);
        }
        if (game.engineAnswer == "resign") {
            ASSERT_TRUE(QTest::qWaitFor([&] { return view->GoGame().IsGameOver(); }, 5000));
        }
        app.click(app.screen<BoardViewController>()->findChild<QPushButton*>("ResignButton"));
    }
    const QStringList files = archived();
    ASSERT_EQ(files.size(), 4) << files.join(' ').toStdString();
    for (int i = 0; i < 4; ++i) {
        const auto& game = games[i + 1];
        const SGFGameRecord record = readBack(files.at(i));
        EXPECT_EQ(record.Result, game.result);
        EXPECT_EQ(record.BlackName, game.black);
        EXPECT_EQ(record.WhiteName, game.white);
        EXPECT_EQ(record.Date, QDate::currentDate().toString(Qt::ISODate).toStdString());
    }
    EXPECT_EQ(readBack(files.at(0)).Moves.size(), 4u) << "both final passes are in the file";
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d(-\d)?\.sgf$)").match(files.at(0)).hasMatch());
    qunsetenv("HOSHI_ENGINE");
}

TEST(KeptGames, aGameThatCannotBeWrittenSaysSoOnceAndIsLogged)
{
    // A file where the folder should be: no folder can be made there, even by root.
    QDir(GameArchive::folder()).removeRecursively();
    QDir().mkpath(QFileInfo(GameArchive::folder()).path());
    QFile blocker(GameArchive::folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    App app;
    LogCapture log;
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    BoardView* view = boardView(app);
    clickVertex(*view, 4, 4);
    press(app, Qt::Key_P);
    press(app, Qt::Key_P);
    const QString message = view->findChild<QLabel*>("InfoTextField")->text();
    EXPECT_TRUE(message.contains(GameArchive::folder())) << message.toStdString();
    EXPECT_TRUE(log.contains("cannot be made"));
    app.click(view->findChild<QPushButton*>("ResignButton")); // a second failure, logged only
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.find("cannot be made") != std::string::npos; }),
              2);
    QFile::remove(GameArchive::folder());
}

TEST(KeptGames, anOpenedGameBringsTheEngineUpToDateOrOpensInReviewWhenOver)
{
    QTemporaryDir dir;
    SGFGameRecord record;
    record.Moves = {GTPGoMove::stone(GTPGoColorBlack, {5, 5}), GTPGoMove::stone(GTPGoColorWhite, {4, 4}),
                    GTPGoMove::stone(GTPGoColorBlack, {3, 3})};
    const QString going = dir.filePath("going.sgf");
    ASSERT_FALSE(GameArchive::write(going, SGFWriter::write(record)));
    App app;
    app.delegate.openGame(going, GTPGoColorBlack);
    const QStringList expected = expectedStartLineList(0)
        + QStringList {"play B E5", "play W D4", "play B C3", "time_left W 300 0", "genmove W"};
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.received().size() == expected.size(); }, 5000));
    EXPECT_EQ(app.received(), expected);

    record.Moves.push_back(GTPGoMove::pass(GTPGoColorWhite));
    record.Moves.push_back(GTPGoMove::pass(GTPGoColorBlack));
    const QString over = dir.filePath("over.sgf");
    ASSERT_FALSE(GameArchive::write(over, SGFWriter::write(record)));
    app.delegate.openGame(over);
    BoardView* view = boardView(app);
    EXPECT_TRUE(view->GoGame().IsGameOver());
    EXPECT_TRUE(view->findChild<QCheckBox*>("DemonstrationButton")->isChecked());
    EXPECT_EQ(view->findChild<QLabel*>("InfoTextField")->text(), BoardMessages::score(1, 2));

    // What cannot be opened says why, naming the move.
    ASSERT_FALSE(GameArchive::write(over, "(;GM[1]SZ[9];B[ee];W[ee])"));
    QString problem;
    EXPECT_FALSE(GameArchive::read(over, problem).Record);
    EXPECT_TRUE(problem.contains("2")) << problem.toStdString();
}

TEST(KeptGames, theBoardsKeysDoWhatItsControlsDoWhateverWasClickedLast)
{
    App app;
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    BoardView* view = boardView(app);
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.delegate.window()));
    auto* review = view->findChild<QCheckBox*>("DemonstrationButton");
    clickVertex(*view, 4, 4);
    clickVertex(*view, 3, 3);
    press(app, Qt::Key_Left); // not in review: the step buttons are hidden
    EXPECT_FALSE(review->isChecked());
    press(app, Qt::Key_R);
    EXPECT_TRUE(review->isChecked());
    for (const auto& [key, shown] : {std::pair {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Home, 0},
                                     {Qt::Key_End, 1}}) {
        press(app, key);
        EXPECT_EQ(view->GoGame().getNodeToDisplay()->TurnNumber(), shown);
    }
    press(app, Qt::Key_P); // Pass does nothing in review, nor does its key
    app.click(view->findChild<QPushButton*>("EndButton"));
    press(app, Qt::Key_R);
    EXPECT_FALSE(review->isChecked());
    press(app, Qt::Key_P);
    press(app, Qt::Key_P);
    EXPECT_TRUE(view->GoGame().IsGameOver());
    // Ctrl+Z and its menu item take a move back, and are disabled when nothing can be.
    QAction* takeBack = nullptr;
    for (QAction* action : app.delegate.window()->findChildren<QAction*>()) {
        takeBack = action->shortcut() == QKeySequence::Undo ? action : takeBack;
    }
    ASSERT_NE(takeBack, nullptr);
    for (const std::size_t turns : {3u, 2u, 1u, 0u}) { // first the pass that ended the game
        EXPECT_TRUE(takeBack->isEnabled());
        press(app, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(view->GoGame().Turns().size(), turns);
    }
    EXPECT_FALSE(takeBack->isEnabled());
    press(app, Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(app.screen<MainMenuViewController>(), nullptr);

    // Against the engine, P waits for the engine's answer as Pass does.
    qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --genmove E5");
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorBlack, "English");
    view = boardView(app);
    clickVertex(*view, 2, 2);
    press(app, Qt::Key_P);
    EXPECT_EQ(view->GoGame().Turns().size(), 1u);
    qunsetenv("HOSHI_ENGINE");
}

TEST(RememberedSettings, theLanguageAndTheLastSetupComeBackAndNonsenseGivesTheDefaults)
{
    {
        App app;
        auto* menu = app.screen<MainMenuViewController>();
        menu->LanguagesButton()->setCurrentIndex(1);
        app.click(menu->TwoPlayersButton());
        auto* setup = app.screen<GameInfoViewController>();
        setup->HandicapSlider()->setValue(3);
        setup->TimeSlider()->setValue(7);
        app.click(setup->PlayButton());
    }
    const QString file = QSettings(QStringLiteral("hoshi"), QStringLiteral("hoshi")).fileName();
    EXPECT_TRUE(file.endsWith("/config/hoshi/hoshi.conf")) << file.toStdString();
    const struct {
        QByteArray contents; // empty: as the last run left it
        QString language;
        QString stones, minutes;
    } runs[] = {
        {"", "Français", "3", "7"},
        {"language=Klingon\nhandicap=12\nminutes=abc\n", "English", "0", "5"},
        {QByteArray("\xff\xfe\x00garbage[[[=\n", 16), "English", "0", "5"},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.language.toStdString());
        if (!run.contents.isEmpty()) {
            QFile settings(file);
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
            settings.write(run.contents);
        }
        App app(false);
        auto* menu = app.screen<MainMenuViewController>();
        EXPECT_EQ(menu->LanguagesButton()->currentText(), run.language);
        app.click(menu->BlackPachiButton());
        auto* setup = app.screen<GameInfoViewController>();
        EXPECT_EQ(setup->NumberHandicapStones()->text(), run.stones);
        EXPECT_EQ(setup->Time()->text(), run.minutes);
    }
}
