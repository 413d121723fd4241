// The player's progress against the strength steps: the record across
// restarts, the suggestion it makes, a file that holds nonsense, and what the
// player sees: the setup's line and Help › My Progress.
#include "tests/app/AppUnderTest.h"
#include "app/GameArchive.h"
#include "app/GameInfoViewController.h"
#include "app/ProgressChart.h"
#include "app/ProgressRecord.h"
#include "app/StrengthText.h"
#include "strength/OpponentStrength.h"
#include "tests/support/QtPrinters.h"

#include <QBarSet>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTimer>

#include <sys/stat.h>

namespace {

using Kind = ProgressRecord::Suggestion::Kind;

struct Game {
    const char* step;
    int handicap;
    bool won;
};

const StrengthStep& step(const char* id) { return *OpponentStrength::find(id); }

// A suggestion as one text: "none", or "next step gnugo-1 0".
std::string shown(const std::optional<ProgressRecord::Suggestion>& suggestion)
{
    if (!suggestion) {
        return "none";
    }
    const char* kinds[] = {"next step", "fewer stones", "step below", "more stones"};
    return std::string(kinds[static_cast<int>(suggestion->What)]) + " " + std::string(suggestion->SuggestedStep->Id)
        + " " + std::to_string(suggestion->SuggestedHandicap);
}

} // namespace

// Every game is added by a new record read from the file, as after a restart;
// the suggestion follows the last game's step and handicap.
TEST(ProgressRecord, threeWinsOrLossesInARowSuggestAStepOrAStoneAndTheRecordSurvivesARestart)
{
    const std::string strongest(OpponentStrength::steps().back().Id);
    const struct {
        const char* name;
        std::vector<Game> games;
        std::string suggested;
    } rows[] = {
        {"two wins are not enough", {{"beginner-2", 0, true}, {"beginner-2", 0, true}}, "none"},
        {"three wins: the next step", {{"beginner-2", 0, true}, {"beginner-2", 0, true}, {"beginner-2", 0, true}},
         "next step beginner-3 0"},
        {"three wins with stones: one stone less", {{"gnugo-1", 3, true}, {"gnugo-1", 3, true}, {"gnugo-1", 3, true}},
         "fewer stones gnugo-1 2"},
        {"three losses: the step below", {{"beginner-3", 2, false}, {"beginner-3", 2, false}, {"beginner-3", 2, false}},
         "step below beginner-2 2"},
        {"three losses at the weakest: one stone more",
         {{"beginner-1", 0, false}, {"beginner-1", 0, false}, {"beginner-1", 0, false}}, "more stones beginner-1 1"},
        {"nothing above the strongest", {{strongest.c_str(), 0, true}, {strongest.c_str(), 0, true}, {strongest.c_str(), 0, true}},
         "none"},
        {"three wins after three losses: the next step",
         {{"beginner-3", 0, false}, {"beginner-3", 0, false}, {"beginner-3", 0, false}, {"beginner-3", 0, true},
          {"beginner-3", 0, true}, {"beginner-3", 0, true}},
         "next step beginner-4 0"},
        {"a loss breaks the row", {{"gnugo-1", 0, true}, {"gnugo-1", 0, true}, {"gnugo-1", 0, false}, {"gnugo-1", 0, true}},
         "none"},
        {"games elsewhere do not break it",
         {{"beginner-3", 0, true}, {"beginner-3", 0, true}, {"beginner-1", 0, false}, {"beginner-3", 1, true},
          {"beginner-3", 0, true}},
         "next step beginner-4 0"},
        {"the last game's step decides",
         {{"beginner-2", 0, true}, {"beginner-2", 0, true}, {"beginner-2", 0, true}, {"beginner-4", 0, true}}, "none"},
    };
    const QTemporaryDir folder;
    const QString path = folder.filePath("progress.json");
    for (const auto& row : rows) {
        QFile::remove(path);
        std::map<std::string, std::pair<int, int>> expected;
        for (const Game& game : row.games) {
            EXPECT_FALSE(ProgressRecord(path).add(step(game.step), game.handicap, game.won)) << row.name;
            (game.won ? expected[game.step].first : expected[game.step].second) += 1;
        }
        const ProgressRecord record(path);
        EXPECT_EQ(shown(record.suggestion()), row.suggested) << row.name;
        const auto results = record.resultsByStep();
        for (std::size_t i = 0; i < results.size(); ++i) {
            EXPECT_EQ(results[i], expected[std::string(OpponentStrength::steps()[i].Id)]) << row.name << " " << i;
        }
    }
}

// Whatever lies at the record's place, the record reads as empty (or keeps
// what makes sense), hoshi neither blocks nor fails, the next game writes a
// good file where it can, and the kept games are untouched.
TEST(ProgressRecord, aRecordThatCannotBeReadIsEmptyAndNothingIsLostFromTheKeptGames)
{
    const QString path = ProgressRecord::defaultPath();
    QDir().mkpath(GameArchive::folder());
    const QString kept = GameArchive::folder() + "/kept.sgf";
    ASSERT_FALSE(GameArchive::write(kept, "(;GM[1]SZ[9];B[ee])"));
    const QByteArray good = R"({"tallies": [{"step": "beginner-2", "handicap": 0, "wins": 2, "losses": 1, "streak": 2}], "last": 0})";
    const struct {
        const char* name;
        QByteArray content; // "FIFO" and "folder" make one there
        int beginner2Wins; // read before the next game
        bool writable;
    } rows[] = {
        {"garbage", QByteArray("\xff\xfe\x00{[[", 6), 0, true},
        {"cut short", good.left(40), 0, true},
        {"not an object", "[1, 2, 3]", 0, true},
        {"a good record", good, 2, true},
        {"nonsense entries are dropped", R"({"tallies": [{"step": "beginner-9", "handicap": 0, "wins": 5, "losses": 0, "streak": 0},
             {"step": "beginner-2", "handicap": 0, "wins": -3, "losses": 0, "streak": 0},
             {"step": "beginner-2", "handicap": 12, "wins": 3, "losses": 0, "streak": 0},
             {"step": "beginner-2", "handicap": 1, "wins": 1, "losses": 0, "streak": 4},
             {"step": "beginner-2", "handicap": 0, "wins": 4, "losses": 0, "streak": 0}], "last": 7})", 4, true},
        {"FIFO", "FIFO", 0, true},
        {"folder", "folder", 0, false},
    };
    for (const auto& row : rows) {
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (row.content == "FIFO") {
            ASSERT_EQ(::mkfifo(path.toUtf8().constData(), 0600), 0);
        } else if (row.content == "folder") {
            ASSERT_TRUE(QDir().mkpath(path + "/inside"));
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(row.content) == row.content.size());
        }
        ProgressRecord record;
        EXPECT_EQ(record.resultsByStep()[1].first, row.beginner2Wins) << row.name;
        EXPECT_EQ(shown(record.suggestion()), "none") << row.name;
        EXPECT_EQ(record.add(step("beginner-2"), 0, true).has_value(), !row.writable) << row.name;
        EXPECT_EQ(ProgressRecord().resultsByStep()[1].first, row.writable ? row.beginner2Wins + 1 : 0) << row.name;
        QFile game(kept);
        EXPECT_TRUE(game.open(QIODevice::ReadOnly) && game.readAll() == "(;GM[1]SZ[9];B[ee])") << row.name;
        EXPECT_EQ(QDir(GameArchive::folder()).entryList(QDir::Files), QStringList("kept.sgf")) << row.name;
    }
    QDir(path).removeRecursively();
    QFile::remove(path);
    QFile::remove(kept);
}

// Games against a step are recorded as they end: won when the engine resigns,
// lost when the player resigns; two players and an engine of the player's own
// are not. Three wins bring a line to the setup; My Progress shows the bars.
TEST(ProgressRecord, finishedGamesAgainstAStepAreRecordedAndTheSetupAndMyProgressShowThem)
{
    QFile::remove(ProgressRecord::defaultPath());
    App app;
    const StrengthStep& beginner = step("beginner-3");
    GTPGoGameInfo info(0, 300);
    info.setLevel(OpponentStrength::numberOf(beginner));
    // The player resigns as White once the engine has opened, with nothing else on the way.
    const auto play = [&](GTPGoColor player, const GTPGoGameInfo& game, bool playerResigns) {
        qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + (playerResigns ? " --genmove C3" : " --genmove resign"));
        app.delegate.showGame(game, playerResigns ? GTPGoColorWhite : player, "English");
        if (playerResigns) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return app.board()->GoGame().Turns().size() == 1; }, 5000));
        } else {
            app.click(5, 5);
            if (player == GTPGoColorEmpty) {
                app.press(Qt::Key_P);
                app.press(Qt::Key_P);
            }
            ASSERT_TRUE(QTest::qWaitFor([&] { return app.board()->GoGame().IsGameOver(); }, 5000));
        }
        app.click(app.control<QPushButton>("ResignButton")); // a resignation, or back to the menu
    };
    // The setup against GNU Go, which takes a strength step; an engine of the player's own has no
    // Strength row and no suggestion.
    const auto suggestionShown = [&](bool gnuGo = true) {
        if (gnuGo) {
            qunsetenv("HOSHI_ENGINE");
        }
        app.delegate.showGameSetup(GTPGoColorBlack, "English");
        const GameInfoViewController* setup = app.screen<GameInfoViewController>();
        EXPECT_EQ(setup->StrengthSlider()->isVisibleTo(setup), gnuGo);
        return setup->Suggestion()->text();
    };
    for (int won = 0; won < 3; ++won) {
        play(GTPGoColorBlack, info, false);
    }
    play(GTPGoColorEmpty, info, false); // two players
    play(GTPGoColorBlack, GTPGoGameInfo(0, 300), false); // the engine's own strength
    EXPECT_EQ(suggestionShown(false), "");
    EXPECT_EQ(suggestionShown(), StrengthText::suggestion(ProgressRecord().suggestion().value()));
    EXPECT_EQ(shown(ProgressRecord().suggestion()), "next step beginner-4 0");
    EXPECT_EQ(app.screen<GameInfoViewController>()->StrengthName()->text(), StrengthText::name(beginner))
        << "a suggestion, not a change";
    const QDir build(QCoreApplication::applicationDirPath() + "/../..");
    QCoreApplication::processEvents(); // the setup is laid out
    EXPECT_TRUE(build.mkpath("screenshots") && app.delegate.window()->grab().save(build.filePath("screenshots/setup.png")));
    play(GTPGoColorBlack, info, true);
    EXPECT_EQ(suggestionShown(), "");

    std::vector<std::pair<int, int>> bars;
    QTimer::singleShot(0, [&] {
        auto* chart = qobject_cast<ProgressChart*>(QApplication::activeModalWidget());
        for (int i = 0; chart != nullptr && i < chart->Wins()->count(); ++i) {
            bars.emplace_back(chart->Wins()->at(i), chart->Losses()->at(i));
        }
        const QDir build(QCoreApplication::applicationDirPath() + "/../..");
        EXPECT_TRUE(chart != nullptr && chart->grab().save(build.filePath("screenshots/progress.png")));
        QApplication::activeModalWidget()->close();
    });
    QAction* progress = nullptr;
    for (QAction* menu : app.delegate.window()->menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            progress = action->text() == AppDelegate::tr("My &Progress") ? action : progress;
        }
    }
    ASSERT_NE(progress, nullptr);
    progress->trigger();
    std::vector<std::pair<int, int>> expected(OpponentStrength::steps().size());
    expected[static_cast<std::size_t>(OpponentStrength::numberOf(beginner) - 1)] = {3, 1};
    EXPECT_EQ(bars, expected);
}
