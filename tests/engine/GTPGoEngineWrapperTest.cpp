#include "EngineTestSupport.h"

#include <QCoreApplication>
#include <QTemporaryFile>

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

GTPGoGameInfo engineGame(std::int32_t handicap, std::int32_t boardSize = 9)
{
    // As the board sets it up against the engine: no main time, 5 s byo-yomi.
    GTPGoGameInfo info(handicap, 0);
    info.setBoardSize(boardSize);
    info.TimeSettings().setMainTime(0);
    info.TimeSettings().setByoYomi(5);
    info.TimeSettings().setNumberOfMovesPerByoYomi(1);
    return info;
}

}

TEST(GTPGoEngineWrapper, a_game_reaches_the_engine_byte_for_byte_for_each_handicap)
{
    const std::pair<std::int32_t, std::vector<std::string>> cases[] = {
        {0, {}},
        {1, {""}},
        {2, {"set_free_handicap  C3 G7"}},
        {5, {"set_free_handicap  C3 G7 G3 C7 E5"}},
        {9, {"set_free_handicap  C3 G7 G3 C7 E5 C5 G5 E3 E7"}},
    };
    for (const auto& [handicap, handicapLines] : cases) {
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
        ASSERT_TRUE(engine.waitForMoves(1));
        std::vector<std::string> expected = {"clear_board", "boardsize 9", "clear_board", "komi 0.0",
                                             "time_settings 0 5 1"};
        expected.insert(expected.end(), handicapLines.begin(), handicapLines.end());
        expected.insert(expected.end(),
                        {"play B H1", "play W J9", "play W PASS", "   ", "", "time_left W 4 1", "genmove W"});
        EXPECT_THAT(engine.received(), ElementsAreArray(expected));
    }
}

TEST(GTPGoEngineWrapper, each_answer_is_handled_once_however_framed_and_only_vertices_on_the_board_are_moves)
{
    struct Case {
        const char* name;
        QStringList options;
        std::int32_t boardSize;
        int genmoves;
        std::vector<GTPGoMove> moves;
        int resignations;
        std::vector<std::string> logged;
    };
    const GTPGoMove whiteD4 = stone(GTPGoColorWhite, 4, 4);
    const GTPGoMove whitePass = GTPGoMove::pass(GTPGoColorWhite);
    const Case cases[] = {
        // The empty answers before a genmove are held back and leave in the same write as the move.
        {"merged", {"--hold-until-genmove", "--genmove", "D4", "--genmove", "PASS"}, 9, 2, {whiteD4, whitePass}, 0,
         {"= \n\n= \n\n= D4\n\n"}},
        // Every chunk read is logged, even a single byte.
        {"split", {"--split", "1", "--split-pause-ms", "5", "--genmove", "D4", "--genmove", "Pass"}, 9, 2,
         {whiteD4, whitePass}, 0, {"Read data: D"}},
        {"crlf", {"--crlf", "--hold-until-genmove", "--genmove-raw", "= D4\r\n\r\n", "--genmove-raw", "= pass\r\n\r\n"},
         9, 2, {whiteD4, whitePass}, 0, {"= \r\n\r\n= \r\n\r\n= D4\r\n\r\n"}},
        {"not moves",
         {"--fail", "play", "--fail", "time_left", "--genmove", "resign", "--genmove", "RESIGN", "--genmove-raw",
          "? illegal move\n\n", "--genmove", "\\xff\\xfe", "--genmove-raw", "=\n\n", "--genmove", "T19", "--genmove",
          "J10", "--genmove", "D 4", "--genmove", "e5"},
         9, 9, {stone(GTPGoColorWhite, 5, 5)}, 2,
         {"without a usable move: ? illegal move", "without a usable move: = T19", "without a usable move: = J10",
          "without a usable move: = D 4"}},
        {"nineteen lines", {"--genmove", "T19"}, 19, 1, {stone(GTPGoColorWhite, 19, 19)}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WrapperUnderTest engine(c.options);
        LogCapture log;
        engine.wrapper->setGameInfo(engineGame(0, c.boardSize));
        engine.wrapper->playMove(GTPGoColorBlack, 3, 3);
        for (int i = 0; i < c.genmoves; ++i) {
            engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
        }
        ASSERT_TRUE(engine.waitForMoves(c.moves.size()));
        EXPECT_THAT(engine.moves, ElementsAreArray(c.moves));
        EXPECT_EQ(engine.resigned->count(), c.resignations);
        // Every other answer to a genmove leaves the game without a move.
        EXPECT_EQ(engine.unusable->count(), c.genmoves - static_cast<int>(c.moves.size()) - c.resignations);
        EXPECT_EQ(engine.failed->count(), 0);
        for (const std::string& fragment : c.logged) {
            EXPECT_THAT(log.lines, Contains(HasSubstr(fragment)));
        }
    }
}

TEST(GTPGoEngineWrapper, a_handler_may_destroy_the_wrapper_while_answers_remain)
{
    WrapperUnderTest engine({"--hold-until-genmove", "--genmove", "D4"});
    QObject::connect(engine.wrapper.get(), &GTPGoEngineWrapper::HasPlayed, [&engine] { engine.wrapper.reset(); });
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(engine.played->wait(PatienceMilliseconds));
    EXPECT_EQ(engine.wrapper, nullptr);
    EXPECT_EQ(engine.moves.size(), 1u);
}

TEST(GTPGoEngineWrapperFailure, an_engine_that_cannot_start_or_leaves_at_once_fails_once_after_construction)
{
    QTemporaryFile notExecutable; // made without execute permission
    ASSERT_TRUE(notExecutable.open());
    const std::optional<GTPEngineCommand> commands[] = {
        std::nullopt,
        GTPEngineCommand{notExecutable.fileName().toStdString() + ".missing", {}},
        GTPEngineCommand{notExecutable.fileName().toStdString(), {}},
        GTPEngineCommand{"/bin/sh", {"-c", "exit 3"}},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command ? command->Program : "no engine");
        LogCapture log;
        WrapperUnderTest engine(command);
        // Not yet: a caller connecting right after construction must still hear it.
        EXPECT_EQ(engine.failed->count(), 0);
        ASSERT_TRUE(engine.waitForFailure());
        engine.wrapper->setGameInfo(GTPGoGameInfo());
        engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
        settle();
        EXPECT_EQ(engine.failed->count(), 1);
        EXPECT_EQ(engine.wrapper->failure(), GTPGoEngineWrapper::Failure::NotStarted);
        EXPECT_THAT(log.lines, ElementsAre(HasSubstr("GTP engine engine failed: ")));
    }
}

TEST(GTPGoEngineWrapperFailure, an_engine_that_dies_mid_game_is_reported_once_and_writing_to_it_is_survived)
{
    const std::pair<const char*, const char*> cases[] = {{"--crash-after", "the engine crashed"},
                                                         {"--exit-after", "the engine exited with code 0"}};
    for (const auto& [option, reason] : cases) {
        SCOPED_TRACE(option);
        // It dies on (or, exiting, right after answering) its third command.
        WrapperUnderTest engine({option, "3"});
        engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
        ASSERT_TRUE(engine.waitForMoves(1));
        engine.wrapper->playMove(GTPGoColorWhite, 5, 5);
        // Wait for the engine to be gone without letting the wrapper hear of it.
        ASSERT_TRUE(engine.waitForReceived(3, QEventLoop::ExcludeSocketNotifiers));
        // Written to a closed pipe (SIGPIPE territory), before and after the death is noticed.
        for (int i = 0; i < 50; ++i) {
            engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_TRUE(engine.waitForFailure());
        settle();
        EXPECT_EQ(engine.failed->count(), 1);
        EXPECT_THAT(engine.failed->at(0).at(0).toString().toStdString(), HasSubstr(reason));
        EXPECT_EQ(engine.wrapper->failure(), GTPGoEngineWrapper::Failure::Died);
        EXPECT_EQ(engine.moves.size(), 1u);
        EXPECT_THAT(engine.received(), ElementsAre("time_left B 1 0", "genmove B", "play W E5"));
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
        ASSERT_TRUE(engine.waitForReceived(1));
        engine.wrapper.reset();
        EXPECT_TRUE(processExists(engine.startedPid)) << "the caller waited for the engine to go";
        if (atExit) {
            reaper.reapAll();
            EXPECT_FALSE(processExists(engine.startedPid));
        }
        EXPECT_TRUE(waitUntilGone(engine.startedPid));
        EXPECT_THAT(engine.received(), ElementsAre("clear_board", "quit"));
    }
    reaper.setGraceMilliseconds(grace);
}

TEST(GTPGoEngineWrapper, a_long_chunk_is_logged_by_its_first_thousand_bytes_and_its_length)
{
    WrapperUnderTest engine;
    LogCapture log;
    engine.wrapper->readOutput(QByteArray(1000, 'a'));
    engine.wrapper->readOutput(QByteArray(5000, 'b'));
    EXPECT_THAT(log.lines, ElementsAre("Read data: " + std::string(1000, 'a'),
                                       "Read data: " + std::string(1000, 'b') + "… (5000 bytes)"));
}
