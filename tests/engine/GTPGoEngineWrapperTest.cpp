#include "engine/GTPEngineReaper.h"
#include "engine/GTPEngineSynchroniser.h"
#include "engine/GTPGoEngineWrapper.h"
#include "strength/OpponentStrength.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/FakeEngineRecord.h"
#include "tests/support/GnuGo.h"
#include "tests/support/LogCapture.h"

#include <QTemporaryDir>
#include <QTest>


namespace {
using Lines = std::vector<std::string>;
GTPEngineCommand fake(const Lines& options = {}) { return {FAKE_GTP_ENGINE, options}; }

// A wrapper on an engine and what the game heard from it, in order; the fake engine records what it receives.
struct WrapperUnderTest {
    explicit WrapperUnderTest(std::optional<GTPEngineCommand> command)
    {
        if (command && command->Program == FAKE_GTP_ENGINE) {
            command->Arguments.insert(command->Arguments.begin(), {"--record", dir.filePath("r").toStdString()});
        }
        wrapper = std::make_unique<GTPGoEngineWrapper>(QStringLiteral("engine"), command);
        GTPGoEngineWrapper* w = wrapper.get();
        QObject::connect(w, &GTPGoEngineWrapper::HasPlayed, [this](const GTPGoMove& move) {
            heard.push_back(std::string(move.Color() == GTPGoColorWhite ? "W " : "B ")
                            + (move.Point() ? vertex(*move.Point()) : "pass"));
        });
        QObject::connect(w, &GTPGoEngineWrapper::HasResigned, [this] { heard.push_back("resign"); });
        QObject::connect(w, &GTPGoEngineWrapper::HasAnsweredUnusableMove,
                         [this](const QString& answer) { heard.push_back("unusable: " + answer.toStdString()); });
        QObject::connect(w, &GTPGoEngineWrapper::UndoRefused, [this] { heard.push_back("undo refused"); });
        // The reason up to its first colon: Qt's own words follow.
        QObject::connect(w, &GTPGoEngineWrapper::EngineFailed,
                         [this](const QString& r) { heard.push_back("failed: " + r.section(':', 0, 0).toStdString()); });
    }

    // Every line the fake engine received so far, exactly.
    Lines received() const
    {
        Lines lines;
        std::ranges::transform(fakeEngineRecord(dir.filePath("r")), std::back_inserter(lines), &QString::toStdString);
        return lines;
    }

    QTemporaryDir dir;
    std::unique_ptr<GTPGoEngineWrapper> wrapper;
    Lines heard;
};
}

// The answers arrive byte by byte; a refused undo is announced; a question
// hears the text of its answer, or nothing on a failure.
TEST(GTPGoEngineWrapper, a_game_reaches_the_engine_byte_for_byte_and_each_answer_goes_to_what_asked_for_it)
{
    WrapperUnderTest engine(fake({"--split", "1", "--split-pause-ms", "1", "--fail", "undo", "--fail",
                                  "final_status_list", "--answer", "final_score=B+3.5"}));
    engine.wrapper->clearBoard();
    engine.wrapper->setGameInfo(GTPGoGameInfo(1, 0));
    engine.wrapper->playMove(GTPGoColorBlack, 8, 1);
    engine.wrapper->playMove(GTPGoColorWhite, 9, 9);
    engine.wrapper->pass(GTPGoColorWhite);
    engine.wrapper->undo();
    for (const char* question : {"final_score", "final_status_list dead"}) {
        engine.wrapper->ask(question, [&](const auto& text) { engine.heard.push_back(text ? "= " + *text : "?"); });
    }
    engine.wrapper->generateMove(GTPGoColorWhite, 4.9, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.heard.size() == 4; }));
    Lines expected = expectedStartLines(1, "0.0", "0 30 1");
    expected.insert(expected.end(), {"play B H1", "play W J9", "play W PASS", "undo", "final_score",
                                     "final_status_list dead", "time_left W 4 1", "genmove W"});
    EXPECT_EQ(engine.received(), expected);
    EXPECT_EQ(engine.heard, Lines({"undo refused", "= B+3.5", "?", "W pass"}));
}

// The engine (the fake one unless said), the genmoves asked; how the engine
// failed, also logged; what the game heard (bytes that are not UTF-8 reach it as U+FFFD).
TEST(GTPGoEngineWrapper, only_vertices_on_the_board_are_moves_and_an_engine_that_fails_is_reported_once)
{
    using Failure = GTPGoEngineWrapper::Failure;
    const std::tuple<std::optional<GTPEngineCommand>, std::size_t, Failure, Lines> rows[] = {
        {fake({"--fail", "play", "--fail", "time_left", "--genmove", "resign", "--genmove", "RESIGN", "--genmove-raw",
               "? illegal move\n\n", "--genmove", "\\xff\\xfe", "--genmove-raw", "=\n\n", "--genmove", "T19",
               "--genmove", "J10", "--genmove", "D 4", "--genmove", "e5"}),
         9, Failure::None, {"resign", "resign", "unusable: ? illegal move", "unusable: = \uFFFD\uFFFD", "unusable: =",
                            "unusable: = T19", "unusable: = J10", "unusable: = D 4", "W E5"}},
        {std::nullopt, 1, Failure::NotStarted, {"failed: no GTP engine was found"}},
        {GTPEngineCommand{"/nonexistent", {}}, 1, Failure::NotStarted, {"failed: the engine could not be started"}},
        // An engine that leaves before saying anything never really started.
        {GTPEngineCommand{"sh", {"-c", "exit 3"}}, 1, Failure::NotStarted, {"failed: the engine exited with code 3"}},
        // It dies on (or, exiting, right after answering) its seventh command, the second time_left; the
        // lines after it go to a closed pipe (SIGPIPE territory), before and after the death is noticed.
        {fake({"--crash-after", "7"}), 50, Failure::Died, {"W pass", "failed: the engine crashed"}},
        {fake({"--exit-after", "7"}), 50, Failure::Died, {"W pass", "failed: the engine exited with code 0"}},
    };
    for (const auto& [command, genmoves, failure, heard] : rows) {
        LogCapture log;
        WrapperUnderTest engine(command);
        engine.wrapper->setGameInfo(GTPGoGameInfo());
        for (std::size_t i = 0; i < genmoves; ++i) {
            engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.heard.size() >= std::min(genmoves, heard.size()); }));
        QTest::qWait(100); // time for a second announcement, if any
        EXPECT_EQ(std::tuple(engine.heard, engine.wrapper->failure()), std::tuple(heard, failure));
        EXPECT_TRUE(failure == Failure::None || log.contains("GTP engine engine " + heard.back()));
    }
}

// A weak step asks for GNU Go's candidates instead of genmove, plays its pick
// and announces it as genmove's answer would be; it knows the position from
// what it sent (its own moves, an undo), so an occupied candidate is skipped,
// and it passes once nothing is left. The default step keeps genmove.
TEST(GTPGoEngineWrapper, a_weak_step_plays_its_pick_among_the_candidates_and_the_default_step_keeps_genmove)
{
    const StrengthStep alwaysWeak{"test", "Test", 1, 10, 1};
    const struct {
        const StrengthStep& step;
        Lines dialogue; // after the settings: one move asked, an undo, three more asked
        Lines heard;
    } rows[] = {
        {alwaysWeak,
         {"time_left W 300 0", "top_moves_white", "play W D3", "undo", "time_left W 300 0", "top_moves_white",
          "play W D3", "time_left W 300 0", "top_moves_white", "play W E4", "time_left W 300 0", "top_moves_white",
          "play W PASS"},
         {"W D3", "W D3", "W E4", "W pass"}},
        {OpponentStrength::defaultStep(),
         {"time_left W 300 0", "genmove W", "undo", "time_left W 300 0", "genmove W", "time_left W 300 0",
          "genmove W", "time_left W 300 0", "genmove W"},
         {"W C3", "W D4", "W E5", "W pass"}},
    };
    for (const auto& row : rows) {
        WrapperUnderTest engine(fake({"--answer", "top_moves_white=E4 12.5 D3 3.0", "--genmove", "C3", "--genmove",
                                      "D4", "--genmove", "E5"}));
        engine.wrapper->setStrength(row.step, 1);
        engine.wrapper->setGameInfo(GTPGoGameInfo(0, 300));
        engine.wrapper->generateMove(GTPGoColorWhite, 300, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.heard.size() == 1; }));
        engine.wrapper->undo();
        for (std::size_t moves = 2; moves <= 4; ++moves) {
            engine.wrapper->generateMove(GTPGoColorWhite, 300, 0);
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine.heard.size() == moves; }));
        }
        Lines expected = expectedStartLines(0, "0.0", "300 30 1");
        expected.erase(expected.begin()); // the board's own clear_board
        expected.insert(expected.end(), row.dialogue.begin(), row.dialogue.end());
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.received().size() == expected.size(); }));
        EXPECT_EQ(engine.received(), expected) << row.step.Id;
        EXPECT_EQ(engine.heard, row.heard) << row.step.Id;
    }
}

// The answers held back leave in one write with the move's, with CR LF.
TEST(GTPGoEngineWrapper, a_handler_may_destroy_the_wrapper_while_answers_remain)
{
    WrapperUnderTest engine(fake({"--hold-until-genmove", "--crlf", "--genmove-raw", "= D4\r\n\r\n"}));
    QObject::connect(engine.wrapper.get(), &GTPGoEngineWrapper::HasPlayed, [&engine] { engine.wrapper.reset(); });
    engine.wrapper->undo();
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.wrapper; }));
    QTest::qWait(100);
    EXPECT_EQ(engine.heard, Lines{"B D4"}) << "a successful undo is not announced";
}

TEST(GTPGoEngineWrapperFailure, an_engine_is_ended_without_waiting_for_it_even_one_that_ignores_quit_and_terminate)
{
    GTPEngineReaper::instance().setGraceMilliseconds(100);
    for (const bool atExit : {false, true}) {
        WrapperUnderTest engine(fake({"--linger"}));
        const pid_t pid = static_cast<pid_t>(engine.wrapper->processId());
        engine.wrapper->clearBoard();
        // Make sure it runs (and ignores SIGTERM, lingering) before it is asked to leave.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.received().empty(); }));
        engine.wrapper.reset();
        EXPECT_TRUE(processExists(pid)) << "the caller waited for the engine to go";
        // At exit the reaper waits for it, bounded.
        EXPECT_TRUE(!atExit || (GTPEngineReaper::instance().reapAll(), !processExists(pid)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !processExists(pid); }));
        EXPECT_EQ(engine.received(), Lines({"clear_board", "quit"}));
    }
}

TEST(GTPGoEngineWrapper, a_long_chunk_is_logged_by_its_first_thousand_bytes_and_its_length)
{
    WrapperUnderTest engine(fake());
    LogCapture log;
    engine.wrapper->readOutput(QByteArray(1000, 'a'));
    engine.wrapper->readOutput(QByteArray(5000, 'b'));
    EXPECT_EQ(log.lines, Lines({"Read data: " + std::string(1000, 'a'),
                                "Read data: " + std::string(1000, 'b') + "… (5000 bytes)"}));
}

// Review jumps back and forth: an engine that can undo goes back to the shared
// history and plays on from there; one that cannot is given the game again.
TEST(GTPEngineSynchroniser, the_engine_is_brought_to_any_position_by_undo_or_else_by_a_replay)
{
    const GTPGoMove c3 = GTPGoMove::stone(GTPGoColorBlack, {3, 3}), e5 = GTPGoMove::stone(GTPGoColorWhite, {5, 5}),
                    d4 = GTPGoMove::stone(GTPGoColorBlack, {4, 4}), g7 = GTPGoMove::stone(GTPGoColorWhite, {7, 7});
    Lines replay = expectedStartLines(0, "0.0", "600 30 1");
    replay.insert(replay.end(), {"play B C3", "play W G7"});
    for (const bool canUndo : {true, false}) {
        WrapperUnderTest engine(fake(canUndo ? Lines {} : Lines {"--fail", "undo"}));
        GTPEngineSynchroniser sync(*engine.wrapper, GTPGoGameInfo());
        int restarts = 0;
        QObject::connect(&sync, &GTPEngineSynchroniser::Restarted, [&] { ++restarts; });
        sync.restart({c3, e5});
        sync.synchronise({c3, e5, d4});
        sync.synchronise({c3, e5, d4});
        sync.synchronise({c3, g7});
        Lines expected = expectedStartLines(0, "0.0", "600 30 1");
        expected.insert(expected.end(), {"play B C3", "play W E5", "play B D4", "undo", "undo", "play W G7"});
        if (!canUndo) {
            expected.insert(expected.end(), replay.begin(), replay.end());
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.received().size() == expected.size(); }));
        QTest::qWait(50); // time for a second replay, if any
        EXPECT_EQ(engine.received(), expected) << canUndo;
        EXPECT_EQ(restarts, canUndo ? 0 : 1);
        EXPECT_EQ(sync.known(), std::vector<GTPGoMove>({c3, g7}));
    }
}
