#pragma once

#include "engine/GTPEngineCommand.h"
#include "engine/GTPGoEngineWrapper.h"
#include "rules/Log.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <vector>

// A fake engine run in a temporary folder: what it received and its pid are
// read back from files it writes.
class FakeEngineRun {
public:
    explicit FakeEngineRun(const QStringList& options = {});

    GTPEngineCommand command() const;
    // Every line the engine received so far, exactly.
    std::vector<std::string> receivedLines() const;
    pid_t pid() const;

private:
    QTemporaryDir m_Dir;
    QStringList m_Options;
};

// Captures Log lines while alive.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    std::vector<std::string> lines() const;
    bool contains(const std::string& fragment) const;

private:
    mutable std::mutex m_Mutex;
    std::vector<std::string> m_Lines;
    Log::Sink m_Previous;
};

// True while a process with this id exists (a zombie counts: it was not reaped).
bool processExists(pid_t pid);

// A wrapper on a fake engine with spies on its signals.
struct WrapperUnderTest {
    explicit WrapperUnderTest(const QStringList& options = {});
    explicit WrapperUnderTest(const std::optional<GTPEngineCommand>& command);
    // Ends the wrapper and checks that its engine is gone, reaped, not a zombie.
    ~WrapperUnderTest();

    // Waits until this many moves in all have been announced.
    bool waitForMoves(std::size_t count);
    bool waitForFailure();
    void start(const std::optional<GTPEngineCommand>& command);

    std::vector<GTPGoMove> moves;

    std::unique_ptr<FakeEngineRun> fake;
    std::unique_ptr<GTPGoEngineWrapper> wrapper;
    std::unique_ptr<QSignalSpy> played;
    std::unique_ptr<QSignalSpy> resigned;
    std::unique_ptr<QSignalSpy> failed;
    pid_t startedPid = 0;
};

// Readable moves in test failures.
void PrintTo(const GTPGoMove& move, std::ostream* out);

// How long a test waits for something that normally takes milliseconds.
inline constexpr int PatienceMilliseconds = 5000;
