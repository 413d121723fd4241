#include "EngineTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

// Lets queued events run so that a second failure signal, if any, would show.
void settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

}

TEST(GTPGoEngineWrapperFailure, no_engine_fails_once_after_construction_and_stays_safe)
{
    LogCapture log;
    WrapperUnderTest engine(std::optional<GTPEngineCommand>{});
    // Not yet: a caller connecting right after construction must still hear it.
    EXPECT_EQ(engine.failed->count(), 0);
    EXPECT_EQ(engine.wrapper->failure(), GTPGoEngineWrapper::Failure::NotStarted);
    ASSERT_TRUE(engine.waitForFailure());
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    engine.wrapper->setGameInfo(GTPGoGameInfo());
    settle();
    EXPECT_EQ(engine.failed->count(), 1);
    EXPECT_EQ(engine.wrapper->processId(), 0);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST(GTPGoEngineWrapperFailure, programs_that_cannot_run_or_leave_at_once_are_not_started)
{
    QTemporaryDir dir;
    const QString notExecutable = dir.filePath("engine");
    QFile file(notExecutable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    const std::vector<GTPEngineCommand> commands = {
        {dir.filePath("missing").toStdString(), {}},
        {notExecutable.toStdString(), {}},
        {"/bin/sh", {"-c", "exit 3"}},
    };
    for (const auto& command : commands) {
        WrapperUnderTest engine(command);
        ASSERT_TRUE(engine.waitForFailure()) << command.Program;
        engine.wrapper->clearBoard();
        settle();
        EXPECT_EQ(engine.failed->count(), 1) << command.Program;
        EXPECT_EQ(engine.wrapper->failure(), GTPGoEngineWrapper::Failure::NotStarted) << command.Program;
    }
}

TEST(GTPGoEngineWrapperFailure, an_engine_crashing_mid_game_is_reported_once_and_then_left_alone)
{
    WrapperUnderTest engine({"--genmove", "D4", "--crash-after", "4"});
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(engine.waitForMoves(1));
    engine.wrapper->playMove(GTPGoColorWhite, 5, 5);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(engine.waitForFailure());
    EXPECT_EQ(engine.wrapper->failure(), GTPGoEngineWrapper::Failure::Died);
    EXPECT_THAT(engine.failed->at(0).at(0).toString().toStdString(), ::testing::HasSubstr("crashed"));

    engine.wrapper->playMove(GTPGoColorWhite, 6, 6);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    settle();
    EXPECT_EQ(engine.failed->count(), 1);
    EXPECT_EQ(engine.moves.size(), 1u);
    // The crash came on the fourth line; nothing was written after it.
    EXPECT_THAT(engine.fake->receivedLines(), ElementsAre("time_left B 1 0", "genmove B", "play W E5", "time_left B 1 0"));
}

TEST(GTPGoEngineWrapperFailure, writing_to_an_engine_that_has_just_left_does_not_kill_us)
{
    WrapperUnderTest engine({"--exit-after", "1"});
    engine.wrapper->clearBoard();
    ASSERT_TRUE(engine.failed->wait(PatienceMilliseconds) || engine.failed->count() == 1);
    // Written while the exit may not be noticed yet: the pipe is closed (SIGPIPE territory).
    for (int i = 0; i < 200; ++i) {
        engine.wrapper->playMove(GTPGoColorBlack, 1 + i % 9, 1 + i / 9 % 9);
    }
    settle();
    EXPECT_EQ(engine.failed->count(), 1);
    EXPECT_EQ(engine.wrapper->failure(), GTPGoEngineWrapper::Failure::Died);
}

TEST(GTPGoEngineWrapperFailure, a_dead_pipe_written_before_the_exit_is_noticed_is_survived)
{
    WrapperUnderTest engine({"--exit-after", "1"});
    const auto pid = static_cast<pid_t>(engine.wrapper->processId());
    engine.wrapper->clearBoard();
    // Wait for the engine to be gone without letting the wrapper hear of it.
    QElapsedTimer timer;
    timer.start();
    while (engine.fake->receivedLines().empty() && timer.elapsed() < PatienceMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers, 5);
    }
    for (int i = 0; i < 50; ++i) {
        engine.wrapper->clearBoard();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ASSERT_TRUE(engine.waitForFailure());
    EXPECT_EQ(engine.failed->count(), 1);
    engine.wrapper.reset();
    EXPECT_FALSE(processExists(pid));
}

TEST(GTPGoEngineWrapperFailure, destroying_the_wrapper_quits_the_engine_and_leaves_no_process)
{
    WrapperUnderTest engine({"--genmove", "D4"});
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(engine.waitForMoves(1));
    const auto pid = static_cast<pid_t>(engine.wrapper->processId());
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(processExists(pid));
    engine.wrapper.reset();
    EXPECT_FALSE(processExists(pid));
    EXPECT_EQ(engine.fake->receivedLines().back(), "quit");
}

TEST(GTPGoEngineWrapperFailure, an_engine_that_ignores_quit_and_terminate_is_killed)
{
    WrapperUnderTest engine({"--linger"});
    engine.wrapper->clearBoard();
    // Make sure it runs (and ignores SIGTERM) before it is asked to leave.
    QElapsedTimer timer;
    timer.start();
    while (engine.fake->receivedLines().empty() && timer.elapsed() < PatienceMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const pid_t pid = engine.fake->pid();
    ASSERT_TRUE(processExists(pid));
    engine.wrapper.reset();
    EXPECT_FALSE(processExists(pid));
    EXPECT_THAT(engine.fake->receivedLines(), ElementsAre("clear_board", "quit"));
}
