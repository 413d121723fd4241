// Games against the scripted engine: what it is told, what the board shows, what the player reads.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(EngineDialogue, whatTheEngineIsToldAndWhatThePlayerSees)
{
    const QStringList undo = {"undo", "undo"};
    const GTPGoColor black = GTPGoColorBlack;
    const struct {
        Game game;
        std::vector<std::string> actions;
        QStringList sent;
        std::string shown;
        std::function<QString(const BoardMessages&)> message = {};
        bool over = false;
        QString engineCommand = "";
    } rows[] = {
        // As Black each move is answered.
        {{black, {"E5"}}, {"D4"}, moveLines("B D4"), "X:D4 O:E5 @E5"},
        // As White the engine starts at once; with one handicap stone Black still moves first.
        {{GTPGoColorWhite, {"D4", "J9"}, kEnglish, 1}, {"J1"},
         QStringList {"time_left B 300 0", "genmove B"} + moveLines("W J1", "B"), "X:D4,J9 O:J1 @J9"},
        // With a handicap the engine as White starts.
        {{black, {"D4"}, kEnglish, 9}, {}, {"time_left W 300 0", "genmove W"}, "X:C3,C5,C7,E3,E5,E7,G3,G5,G7 O:D4 @D4"},
        // A capture comes off in the same click.
        {{black, {"A1", "J9"}}, {"B1", "A2"}, moveLines("B B1") + moveLines("B A2"), "X:A2,B1 O:J9 @J9"},
        // Taken back, it is put back, with the message before it; the engine undoes its answer and the move.
        {{black, {"A1", "PASS", "J9"}}, {"B1", "C3", "A2", "takeback"},
         moveLines("B B1") + moveLines("B C3") + moveLines("B A2") + undo, "X:B1,C3 O:A1", &BoardMessages::enginePassed},
        // An engine without undo is brought up to date as a new game is.
        {{black, {"E5", "F6"}, kEnglish, 0, {"--fail", "undo"}}, {"C3", "D4", "takeback"},
         moveLines("B C3") + moveLines("B D4") + undo + expectedStartLineList(0) + QStringList {"play B C3", "play W E5"},
         "X:C3 O:E5 @E5"},
        // It passes.
        {{black, {"PASS"}, kFrench}, {"C3"}, moveLines("B C3"), "X:C3", &BoardMessages::enginePassed},
        // Its pass after the player's ends the game; taken back, the player's pass is undone.
        {{black, {"E5", "PASS"}}, {"C3", "pass", "takeback", "pass"},
         moveLines("B C3") + moveLines("B PASS") + undo + moveLines("B PASS"), "X:C3 O:E5 #",
         [](auto&) { return BoardMessages::score(1, 1); }, true},
        // The player's pass after its pass ends the game; taken back, the engine undoes nothing, never told of it.
        {{black, {"E5", "PASS"}}, {"C3", "D4", "pass", "takeback"}, moveLines("B C3") + moveLines("B D4"), "X:C3,D4 O:E5",
         &BoardMessages::enginePassed},
        // It resigns.
        {{black, {"resign"}, kFrench}, {"E5"}, moveLines("B E5"), "X:E5 @E5", &BoardMessages::engineResigned, true},
        // It answers on an occupied point, or off the board.
        {{black, {"E5"}}, {"E5"}, moveLines("B E5"), "X:E5 @E5", &BoardMessages::engineGaveNoLegalMove, true},
        {{black, {"J10"}, kFrench}, {"E5"}, moveLines("B E5"), "X:E5 @E5", &BoardMessages::engineGaveNoLegalMove, true},
        // It dies; there is none.
        {{black, {}, kFrench, 0, {"--crash-after", "8"}}, {"E5"}, moveLines("B E5"), "X:E5 @E5",
         [](auto&) { return BoardMessages::engineDied(); }, true},
        {{GTPGoColorWhite}, {}, {}, "", [](auto&) { return BoardMessages::engineNotStarted(); }, true,
         "/nonexistent/engine --gtp"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        BoardUnderTest board(row.game, row.engineCommand);
        board.play(row.actions);
        const QString message = row.message ? row.message(BoardMessages(kEngineName)) : QString();
        const QStringList lines =
            (row.engineCommand.isEmpty() ? expectedStartLineList(row.game.handicap) : QStringList()) + row.sent;
        ASSERT_TRUE(BoardUnderTest::waitFor(
            [&] { return board.message() == message && board.shown() == row.shown && board.lines() == lines; }))
            << board.message().toStdString() << " " << board.shown() << " " << board.lines().join('|').toStdString();
        EXPECT_EQ(board.game().IsGameOver(), row.over);
        const bool failed = message == BoardMessages::engineDied() || message == BoardMessages::engineNotStarted();
        EXPECT_EQ(board.log.contains("GTP engine " + kEngineName.toStdString() + " failed"), failed);
        // A move of the player's own, and no end but by two passes.
        const bool counted = row.shown.ends_with('#');
        EXPECT_EQ(board.view->canTakeBack(), !row.actions.empty() && (!row.over || counted));
        if (!row.over) {
            continue;
        }
        // Over is over: moves, Pass and take back are ignored, review still shows the game, Resign still leaves.
        board.play({"A9", "pass", counted ? "A9" : "takeback", "review", "start", "end"});
        EXPECT_EQ(board.play({"review"}), row.shown) << "numbers only for two passes";
        EXPECT_EQ(board.lines(), lines);
        QSignalSpy resigned(board.view.get(), &BoardView::ResignRequested);
        board.press("ResignButton");
        EXPECT_EQ(resigned, QList<QVariantList> {{row.game.language}});
    }
}

TEST(EngineDialogue, whileItThinksClicksAndTakeBackAreIgnoredAndInReviewItsAnswerWaitsAndItsPassLeavesTheRing)
{
    BoardUnderTest board({GTPGoColorBlack, {"E5", "F6", "PASS"}});
    board.play({"C3"});
    // No event is handled after the first click: the engine cannot have answered.
    EXPECT_EQ(board.play({"D4", "G7", "D4", "~G7", "takeback"}, false), "X:C3,D4 O:E5 @D4") << "no hover stone either";
    board.play({"review"});
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.game().Turns().size() == 4; }));
    EXPECT_EQ(board.shown(), "X:C3,D4 O:E5 @D4") << "recorded, not drawn";
    EXPECT_EQ(board.play({"review"}), "X:C3,D4 O:E5,F6 ~:G7 @F6");
    EXPECT_EQ(board.sent(), moveLines("B C3") + moveLines("B D4"));
    board.play({"G7", "review", "back"}, false);
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.game().Turns().size() == 6; }));
    EXPECT_EQ(board.shown(), "X:C3,D4 O:E5,F6 @F6") << "the engine's pass does not move the ring off the reviewed move";
}

TEST(EngineDialogue, theClocksShowEachSidesTimeKeepItThroughATakeBackAndTheEngineLosesOnTimeEvenInReview)
{
    // The engine's first period is the default 30 s, the next ones 5 s; the player has no clock.
    BoardUnderTest board({GTPGoColorBlack, {"E5", "E5", "F6"}, kFrench, 0, {}, 0});
    const auto tick = [&](double seconds) {
        board.now += seconds;
        board.view->updateClock();
        return board.text("WhiteTimeTextField");
    };
    board.play({"C3"}, false);
    EXPECT_EQ(tick(2), "00:28");
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.game().Turns().size() == 2; }));
    EXPECT_EQ(board.text("WhiteTimeTextField"), "00:05") << "when a turn ends, a new period";
    EXPECT_EQ(board.text("BlackTimeTextField"), "--:--");
    board.view->takeBack();
    EXPECT_EQ(board.text("WhiteTimeTextField"), "00:05") << "a take back gives no time back";
    board.play({"C3"});
    board.play({"D4", "review"}, false); // review stops no clock
    EXPECT_EQ(tick(4.5), "00:00");
    EXPECT_FALSE(board.game().IsGameOver());
    tick(1.6);
    EXPECT_TRUE(board.game().IsGameOver());
    EXPECT_EQ(board.message(), BoardMessages(kEngineName).engineLostOnTime());
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.log.contains("F6"); }));
    EXPECT_EQ(board.play({"review"}), "X:C3,D4 O:E5 @D4") << "the late answer is not played, nor counted";
}
