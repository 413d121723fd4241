#include "EngineTestSupport.h"
#include "engine/GTPEngineReaper.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/LogCapture.h"

#include <QTemporaryFile>

namespace {
const GTPGoMove kWhitePass = GTPGoMove::pass(GTPGoColorWhite);
GTPGoMove whiteStone(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorWhite, {x, y}); }
}

TEST(GTPGoEngineWrapper, a_game_reaches_the_engine_byte_for_byte_for_each_handicap)
{
    for (std::int32_t handicap = 0; handicap <= 9; ++handicap) {
        SCOPED_TRACE("handicap " + std::to_string(handicap));
        WrapperUnderTest engine;
        engine.wrapper->clearBoard();
        engine.wrapper->setGameInfo(engineGame(handicap));
        engine.wrapper->playMove(GTPGoColorBlack, 8, 1);
        engine.wrapper->playMove(GTPGoColorWhite, 9, 9);
        engine.wrapper->pass(GTPGoColorWhite);
        engine.wrapper->pass(GTPGoColorEmpty); // sends nothing
        engine.wrapper->sendCommand(QStringLiteral("   "));
        engine.wrapper->sendCommand(QString());
        engine.wrapper->generateMove(GTPGoColorWhite, 4.9, 1);
        ASSERT_TRUE(waitFor([&] { return !engine.moves.empty(); }));
        std::vector<std::string> expected = expectedStartLines(handicap);
        expected.insert(expected.end(),
                        {"play B H1", "play W J9", "play W PASS", "   ", "", "time_left W 4 1", "genmove W"});
        EXPECT_EQ(engine.received(), expected);
        EXPECT_EQ(engine.moves, std::vector<GTPGoMove>{kWhitePass}) << "the fake engine passes";
    }
}

TEST(GTPGoEngineWrapper, each_answer_is_handled_once_however_framed_and_only_vertices_on_the_board_are_moves)
{
    const struct {
        const char* name;
        std::vector<std::string> options;
        std::int32_t boardSize;
        std::size_t genmoves;
        std::vector<GTPGoMove> moves;
        std::size_t resignations;
        std::vector<std::string> logged;
    } rows[] = {
        // The empty answers before a genmove are held back and leave in the same write as the move.
        {"merged", {"--hold-until-genmove", "--genmove", "D4", "--genmove", "PASS"}, 9, 2, {whiteStone(4, 4), kWhitePass},
         0, {"= \n\n= \n\n= D4\n\n"}},
        // Every chunk read is logged, even a single byte.
        {"split", {"--split", "1", "--split-pause-ms", "5", "--genmove", "D4", "--genmove", "Pass"}, 9, 2,
         {whiteStone(4, 4), kWhitePass}, 0, {"Read data: D"}},
        {"crlf", {"--crlf", "--hold-until-genmove", "--genmove-raw", "= D4\r\n\r\n", "--genmove-raw", "= pass\r\n\r\n"},
         9, 2, {whiteStone(4, 4), kWhitePass}, 0, {"= \r\n\r\n= \r\n\r\n= D4\r\n\r\n"}},
        {"not moves",
         {"--fail", "play", "--fail", "time_left", "--genmove", "resign", "--genmove", "RESIGN", "--genmove-raw",
          "? illegal move\n\n", "--genmove", "\\xff\\xfe", "--genmove-raw", "=\n\n", "--genmove", "T19", "--genmove",
          "J10", "--genmove", "D 4", "--genmove", "e5"},
         9, 9, {whiteStone(5, 5)}, 2,
         {"without a usable move: ? illegal move", "without a usable move: = T19", "without a usable move: = J10",
          "without a usable move: = D 4"}},
        {"nineteen lines", {"--genmove", "T19"}, 19, 1, {whiteStone(19, 19)}, 0, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WrapperUnderTest engine(row.options);
        LogCapture log;
        engine.wrapper->setGameInfo(engineGame(0, row.boardSize));
        engine.wrapper->playMove(GTPGoColorBlack, 3, 3);
        for (std::size_t i = 0; i < row.genmoves; ++i) {
            engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
        }
        // Every answer to a genmove that is neither a move nor a resignation leaves the game without a move.
        ASSERT_TRUE(waitFor([&] { return engine.moves.size() + engine.resignations + engine.unusable >= row.genmoves; }));
        EXPECT_EQ(engine.moves, row.moves);
        EXPECT_EQ(engine.resignations, row.resignations);
        EXPECT_EQ(engine.unusable, row.genmoves - row.moves.size() - row.resignations);
        EXPECT_TRUE(engine.failures.empty());
        for (const std::string& fragment : row.logged) {
            EXPECT_TRUE(log.contains(fragment)) << fragment;
        }
    }
}

TEST(GTPGoEngineWrapper, a_handler_may_destroy_the_wrapper_while_answers_remain)
{
    WrapperUnderTest engine({"--hold-until-genmove", "--genmove", "D4"});
    QObject::connect(engine.wrapper.get(), &GTPGoEngineWrapper::HasPlayed, [&engine] { engine.wrapper.reset(); });
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(waitFor([&] { return !engine.wrapper; }));
    settle();
    EXPECT_EQ(engine.moves.size(), 1u);
}

TEST(GTPGoEngineWrapperFailure, an_engine_that_cannot_start_or_dies_is_reported_once_and_writing_to_it_is_survived)
{
    QTemporaryFile notExecutable; // made without execute permission
    ASSERT_TRUE(notExecutable.open());
    const std::string file = notExecutable.fileName().toStdString();
    using Failure = GTPGoEngineWrapper::Failure;
    const std::vector<std::string> lastLines = {"time_left B 1 0", "genmove B", "play W E5"};
    const struct {
        std::optional<GTPEngineCommand> command; // when no options for the fake engine are given
        std::vector<std::string> fakeOptions;
        Failure failure;
        std::string reason; // its beginning
        std::vector<std::string> received;
    } rows[] = {
        {std::nullopt, {}, Failure::NotStarted, "no GTP engine was found", {}},
        {GTPEngineCommand{file + ".missing", {}}, {}, Failure::NotStarted, "the engine could not be started: ", {}},
        {GTPEngineCommand{file, {}}, {}, Failure::NotStarted, "the engine could not be started: ", {}},
        // An engine that leaves before saying anything never really started.
        {GTPEngineCommand{"/bin/sh", {"-c", "exit 3"}}, {}, Failure::NotStarted, "the engine exited with code 3", {}},
        // It dies on (or, exiting, right after answering) its third command.
        {{}, {"--crash-after", "3"}, Failure::Died, "the engine crashed", lastLines},
        {{}, {"--exit-after", "3"}, Failure::Died, "the engine exited with code 0", lastLines},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        LogCapture log;
        auto engine = row.fakeOptions.empty() ? std::make_unique<WrapperUnderTest>(row.command)
                                              : std::make_unique<WrapperUnderTest>(row.fakeOptions);
        // Not yet: a caller connecting right after construction must still hear it.
        EXPECT_TRUE(engine->failures.empty());
        engine->wrapper->generateMove(GTPGoColorBlack, 1, 0);
        ASSERT_TRUE(waitFor([&] { return !engine->moves.empty() || !engine->failures.empty(); }));
        engine->wrapper->playMove(GTPGoColorWhite, 5, 5);
        // Wait for a dying engine's last line without letting the wrapper hear of its death.
        ASSERT_TRUE(waitFor([&] { return engine->received() == row.received; }, 5000, QEventLoop::ExcludeSocketNotifiers));
        // Written to a closed pipe (SIGPIPE territory), before and after the death is noticed.
        for (int i = 0; i < 50; ++i) {
            engine->wrapper->generateMove(GTPGoColorBlack, 1, 0);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_TRUE(waitFor([&] { return !engine->failures.empty(); }));
        settle();
        ASSERT_EQ(engine->failures.size(), 1u);
        EXPECT_TRUE(engine->failures[0].starts_with(row.reason)) << engine->failures[0];
        EXPECT_TRUE(log.contains("GTP engine engine failed: " + engine->failures[0]));
        EXPECT_EQ(engine->wrapper->failure(), row.failure);
        EXPECT_EQ(engine->moves.size(), row.received.size() / 3);
        EXPECT_EQ(engine->received(), row.received);
    }
}

TEST(GTPGoEngineWrapperFailure, an_engine_is_ended_without_waiting_for_it_even_one_that_ignores_quit_and_terminate)
{
    GTPEngineReaper& reaper = GTPEngineReaper::instance();
    const int grace = reaper.graceMilliseconds();
    reaper.setGraceMilliseconds(100);
    for (const bool atExit : {false, true}) {
        SCOPED_TRACE(atExit ? "reaped at exit" : "reaped by timers");
        WrapperUnderTest engine({"--linger"});
        engine.wrapper->clearBoard();
        // Make sure it runs (and ignores SIGTERM, lingering) before it is asked to leave.
        ASSERT_TRUE(waitFor([&] { return !engine.received().empty(); }));
        engine.wrapper.reset();
        EXPECT_TRUE(processExists(engine.pid)) << "the caller waited for the engine to go";
        if (atExit) {
            reaper.reapAll();
            EXPECT_FALSE(processExists(engine.pid));
        }
        EXPECT_TRUE(waitFor([&] { return !processExists(engine.pid); }));
        EXPECT_EQ(engine.received(), std::vector<std::string>({"clear_board", "quit"}));
    }
    reaper.setGraceMilliseconds(grace);
}

TEST(GTPGoEngineWrapper, a_long_chunk_is_logged_by_its_first_thousand_bytes_and_its_length)
{
    WrapperUnderTest engine;
    LogCapture log;
    engine.wrapper->readOutput(QByteArray(1000, 'a'));
    engine.wrapper->readOutput(QByteArray(5000, 'b'));
    EXPECT_EQ(log.lines, std::vector<std::string>({"Read data: " + std::string(1000, 'a'),
                                                   "Read data: " + std::string(1000, 'b') + "… (5000 bytes)"}));
}
