#pragma once

#include "engine/GTPEngineCommand.h"
#include "engine/GTPGoEngineWrapper.h"
#include "tests/support/ChildProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

// Lets the event loop run until the condition holds, for at most the patience given.
inline bool waitFor(const std::function<bool()>& done, int patienceMilliseconds = 5000,
                    QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < patienceMilliseconds) {
        QCoreApplication::processEvents(flags, 5);
    }
    return done();
}

// Lets queued events run, so that a second announcement, if any, would show.
inline void settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// As the board sets up a game against the engine: no main time, periods of 5 s and one move.
inline GTPGoGameInfo engineGame(std::int32_t handicap, std::int32_t boardSize = 9)
{
    GTPGoGameInfo info(handicap, 0);
    info.setBoardSize(boardSize);
    info.TimeSettings().setByoYomi(5);
    return info;
}

// A wrapper on an engine, with what it announced; by default the fake engine,
// which records what it receives in a temporary folder.
struct WrapperUnderTest {
    explicit WrapperUnderTest(const std::vector<std::string>& fakeOptions = {})
    {
        GTPEngineCommand command{FAKE_GTP_ENGINE, {"--record", dir.filePath("received").toStdString()}};
        command.Arguments.insert(command.Arguments.end(), fakeOptions.begin(), fakeOptions.end());
        start(command);
    }

    explicit WrapperUnderTest(const std::optional<GTPEngineCommand>& command) { start(command); }

    // Ends the wrapper and checks that its engine goes, reaped, not a zombie.
    ~WrapperUnderTest()
    {
        wrapper.reset();
        EXPECT_TRUE(waitFor([this] { return !processExists(pid); })) << "engine " << pid << " outlived its wrapper";
    }

    // Every line the fake engine received so far, exactly.
    std::vector<std::string> received() const
    {
        std::ifstream file(dir.filePath("received").toStdString(), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    QTemporaryDir dir;
    std::unique_ptr<GTPGoEngineWrapper> wrapper;
    pid_t pid = 0;
    std::vector<GTPGoMove> moves;
    std::size_t resignations = 0;
    std::size_t unusable = 0;
    std::vector<std::string> failures;

private:
    void start(const std::optional<GTPEngineCommand>& command)
    {
        wrapper = std::make_unique<GTPGoEngineWrapper>(QStringLiteral("engine"), command);
        pid = static_cast<pid_t>(wrapper->processId());
        GTPGoEngineWrapper* w = wrapper.get();
        QObject::connect(w, &GTPGoEngineWrapper::HasPlayed, [this](const GTPGoMove& move) { moves.push_back(move); });
        QObject::connect(w, &GTPGoEngineWrapper::HasResigned, [this] { ++resignations; });
        QObject::connect(w, &GTPGoEngineWrapper::HasAnsweredUnusableMove, [this] { ++unusable; });
        QObject::connect(w, &GTPGoEngineWrapper::EngineFailed,
                         [this](const QString& reason) { failures.push_back(reason.toStdString()); });
    }
};
