// Games against the scripted engine: what it is told, what the board shows, what the player reads.
#include "BoardTestHarness.h"

using namespace boardtest;

namespace {
using Text = std::function<QString(const BoardMessages&)>;
const Text nothing = [](const BoardMessages&) { return QString(); };
const Text unusable = [](const BoardMessages& m) { return m.engineGaveNoLegalMove(); };
}

TEST(EngineDialogue, whatTheEngineIsToldAndWhatThePlayerSees)
{
    const QStringList firstAsk {"time_left W 300 0", "genmove W"};
    const struct {
        const char* name;
        Game game;
        std::vector<std::string> moves;
        QStringList sent;
        std::string stones;
        Text message;
        std::string ring = "";
        bool over = false;
        QString engineCommand = "";
    } rows[] = {
        {"as Black each move is answered", {GTPGoColorBlack, 0, kEnglish, 300, {"E5"}}, {"D4"}, moveLines("B D4"),
         "X:D4 O:E5", nothing, "E5"},
        {"as White the engine starts at once", {GTPGoColorWhite, 0, kEnglish, 300, {"D4", "J9"}}, {"J1"},
         QStringList {"time_left B 300 0", "genmove B"} + moveLines("W J1", "B"), "X:D4,J9 O:J1", nothing, "J9"},
        {"with one handicap stone Black still starts", {GTPGoColorWhite, 1, kEnglish, 300, {"D4"}}, {},
         {"time_left B 300 0", "genmove B"}, "X:D4", nothing, "D4"},
        {"with handicap the engine as White starts", {GTPGoColorBlack, 9, kEnglish, 300, {"D4"}}, {}, firstAsk,
         "X:C3,C5,C7,E3,E5,E7,G3,G5,G7 O:D4", nothing, "D4"},
        {"a capture comes off in the same click", {GTPGoColorBlack, 0, kEnglish, 300, {"A1", "J9"}}, {"B1", "A2"},
         moveLines("B B1") + moveLines("B A2"), "X:A2,B1 O:J9", nothing, "J9"},
        {"the engine passes", {GTPGoColorBlack, 0, kFrench, 300, {"PASS"}}, {"C3"}, moveLines("B C3"), "X:C3",
         [](const BoardMessages& m) { return m.enginePassed(); }},
        {"its pass after the player's ends the game", {GTPGoColorBlack, 0, kEnglish, 300, {"E5", "PASS"}},
         {"C3", "pass"}, moveLines("B C3") + moveLines("B PASS"), "X:C3 O:E5",
         [](const BoardMessages& m) { return m.score(1, 1); }, "", true},
        {"it resigns", {GTPGoColorBlack, 0, kFrench, 300, {"resign"}}, {"E5"}, moveLines("B E5"), "X:E5",
         [](const BoardMessages& m) { return m.engineResigned(); }, "E5", true},
        {"it answers on an occupied point", {GTPGoColorBlack, 0, kEnglish, 300, {"E5"}}, {"E5"}, moveLines("B E5"),
         "X:E5", unusable, "E5", true},
        {"it answers off the board", {GTPGoColorBlack, 0, kFrench, 300, {"J10"}}, {"E5"}, moveLines("B E5"), "X:E5",
         unusable, "E5", true},
        {"it answers a failure", {GTPGoColorBlack, 0, kEnglish, 300, {}, {"--genmove-raw", "'?\\x0a\\x0a'"}}, {"E5"},
         moveLines("B E5"), "X:E5", unusable, "E5", true},
        {"it answers nothing", {GTPGoColorBlack, 0, kEnglish, 300, {}, {"--genmove-raw", "'=\\x0a\\x0a'"}}, {"E5"},
         moveLines("B E5"), "X:E5", unusable, "E5", true},
        {"it dies", {GTPGoColorBlack, 0, kFrench, 300, {}, {"--crash-after", "8"}}, {"E5"}, moveLines("B E5"),
         "X:E5", [](const BoardMessages& m) { return m.engineDied(); }, "E5", true},
        {"there is none", {GTPGoColorWhite}, {}, {}, "", [](const BoardMessages& m) { return m.engineNotStarted(); },
         "", true, "/nonexistent/engine --gtp"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        BoardUnderTest board(row.game, row.engineCommand);
        board.play(row.moves);
        const QString expected = row.message(BoardMessages(kEngineName));
        ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.message() == expected; })) << board.message().toStdString();
        ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.stones() == row.stones; })) << board.stones() << " " << board.sent().join("|").toStdString();
        if (row.engineCommand.isEmpty()) {
            const QStringList start = expectedStartLineList(row.game.handicap);
            EXPECT_EQ(board.lines().mid(0, start.size()), start);
        }
        EXPECT_EQ(board.sent(), row.sent);
        EXPECT_EQ(board.ring(), row.ring);
        EXPECT_EQ(board.view->GoGame().IsGameOver(), row.over);
        const bool counted = expected.startsWith(BoardMessages::score(0, 0).section('\n', 0, 0));
        EXPECT_EQ(board.numbers(), counted);
        if (!row.over) {
            continue;
        }
        // Over is over: moves and Pass are ignored, review still shows the game, Resign still leaves.
        board.play({"A9", "pass"});
        board.press("DemonstrationButton");
        board.press("StartButton");
        board.press("EndButton");
        board.press("DemonstrationButton");
        EXPECT_EQ(board.stones(), row.stones);
        EXPECT_EQ(board.sent(), row.sent);
        EXPECT_EQ(board.numbers(), counted) << "only a game ended by two passes is counted";
        QSignalSpy resigned(board.view.get(), &BoardView::ResignRequested);
        board.press("ResignButton");
        EXPECT_EQ(resigned.size(), 1);
    }
}

TEST(EngineDialogue, clicksWhileTheEngineThinksOrOffTheBoardAreIgnored)
{
    BoardUnderTest board({GTPGoColorBlack, 0, kEnglish, 300, {"E5"}});
    board.play({"D4", "G7", "D4"}, false); // no event handled since the first: the engine cannot have answered
    EXPECT_EQ(board.message(), "");
    EXPECT_EQ(board.cross(), "");
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.view->GoGame().Turns().size() == 2; }));
    QTest::mouseClick(board.view.get(), Qt::LeftButton, {}, QPoint(5, 300));
    QTest::mouseClick(board.view.get(), Qt::LeftButton, {}, QPoint(700, 300));
    EXPECT_EQ(board.stones(), "X:D4 O:E5");
    EXPECT_EQ(board.sent(), moveLines("B D4"));
}

TEST(EngineDialogue, theEngineLosesOnTimeAndItsLateAnswerIsNotPlayed)
{
    // No main time: the engine, Black, starts in a byo-yomi period of 30 seconds.
    BoardUnderTest board({GTPGoColorWhite, 0, kFrench, 0, {"E5"}});
    board.now += 29.5;
    board.view->updateClock();
    EXPECT_EQ(board.text("BlackTimeTextField"), "00:00");
    EXPECT_FALSE(board.view->GoGame().IsGameOver());
    board.now += 1.6;
    board.view->updateClock();
    EXPECT_TRUE(board.view->GoGame().IsGameOver());
    EXPECT_EQ(board.message(), BoardMessages(kEngineName).engineLostOnTime());
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.log.contains("E5"); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(board.stones(), "");
    board.press("DemonstrationButton");
    board.press("DemonstrationButton");
    EXPECT_FALSE(board.numbers()) << "a game lost on time was not counted";
}

TEST(EngineDialogue, whenATurnEndsBothClocksShowTheirSidesTimeANewPeriodIncluded)
{
    // The engine's first period is the default 30 s, the next ones 5 s; the player has no clock.
    BoardUnderTest board({GTPGoColorBlack, 0, kEnglish, 0, {"E5"}});
    board.play({"C3"}, false);
    board.now += 2;
    board.view->updateClock();
    EXPECT_EQ(board.text("WhiteTimeTextField"), "00:28");
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.view->GoGame().Turns().size() == 2; }));
    EXPECT_EQ(board.text("WhiteTimeTextField"), "00:05");
    EXPECT_EQ(board.text("BlackTimeTextField"), "--:--");
}
