#pragma once

#include "tests/support/ChildProcess.h"
#include "tests/support/LogCapture.h"
#include "engine/GTPEngineCommand.h"
#include "engine/GTPEngineReaper.h"
#include "engine/GTPGoEngineWrapper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// How long a test waits for something that normally takes milliseconds.
inline constexpr int PatienceMilliseconds = 5000;

// Lets the event loop run (the reaper's timers and signals) until the process is gone.
inline bool waitUntilGone(pid_t pid)
{
    QElapsedTimer timer;
    timer.start();
    while (processExists(pid) && timer.elapsed() < PatienceMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return !processExists(pid);
}

// Lets queued events run, so that a second announcement, if any, would show.
inline void settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// A wrapper on an engine with spies on its signals; by default the fake engine,
// run in a temporary folder where it records what it receives.
struct WrapperUnderTest {
    explicit WrapperUnderTest(const QStringList& fakeOptions = {})
    {
        GTPEngineCommand command{FAKE_GTP_ENGINE, {"--record", dir.filePath("received").toStdString()}};
        for (const QString& option : fakeOptions) {
            command.Arguments.push_back(option.toStdString());
        }
        start(command);
    }

    explicit WrapperUnderTest(const std::optional<GTPEngineCommand>& command) { start(command); }

    // Ends the wrapper and checks that its engine goes, reaped, not a zombie.
    ~WrapperUnderTest()
    {
        wrapper.reset();
        EXPECT_TRUE(waitUntilGone(startedPid)) << "engine " << startedPid << " outlived its wrapper";
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

    // Waits until the fake engine has received this many lines.
    bool waitForReceived(std::size_t count, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents) const
    {
        QElapsedTimer timer;
        timer.start();
        while (received().size() < count && timer.elapsed() < PatienceMilliseconds) {
            QCoreApplication::processEvents(flags, 5);
        }
        return received().size() >= count;
    }

    // Waits until this many moves in all have been announced.
    bool waitForMoves(std::size_t count, int patience = PatienceMilliseconds)
    {
        while (moves.size() < count) {
            if (!played->wait(patience)) {
                return false;
            }
        }
        return true;
    }

    bool waitForFailure() { return failed->count() > 0 || failed->wait(PatienceMilliseconds); }

    QTemporaryDir dir;
    std::vector<GTPGoMove> moves;
    std::unique_ptr<GTPGoEngineWrapper> wrapper;
    std::unique_ptr<QSignalSpy> played;
    std::unique_ptr<QSignalSpy> resigned;
    std::unique_ptr<QSignalSpy> failed;
    std::unique_ptr<QSignalSpy> unusable;
    pid_t startedPid = 0;

private:
    void start(const std::optional<GTPEngineCommand>& command)
    {
        wrapper = std::make_unique<GTPGoEngineWrapper>(QStringLiteral("engine"), command);
        QObject::connect(wrapper.get(), &GTPGoEngineWrapper::HasPlayed,
                         [this](const GTPGoMove& move) { moves.push_back(move); });
        startedPid = static_cast<pid_t>(wrapper->processId());
        played = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::HasPlayed);
        resigned = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::HasResigned);
        failed = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::EngineFailed);
        unusable = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::HasAnsweredUnusableMove);
    }
};

inline GTPGoMove stone(GTPGoColor color, std::int32_t x, std::int32_t y)
{
    return GTPGoMove::stone(color, GTPGoPoint(x, y));
}

// Readable moves in test failures.
inline void PrintTo(const GTPGoMove& move, std::ostream* out)
{
    *out << getColorName(move.Color());
    if (move.Point()) {
        *out << " (" << move.Point()->X() << ", " << move.Point()->Y() << ")";
    } else {
        *out << " pass";
    }
}
