#include "EngineTestSupport.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>

FakeEngineRun::FakeEngineRun(const QStringList& options) : m_Options(options)
{
}

GTPEngineCommand FakeEngineRun::command() const
{
    GTPEngineCommand command{FAKE_GTP_ENGINE, {}};
    command.Arguments = {"--record", m_Dir.filePath("received").toStdString(), "--pid-file",
                         m_Dir.filePath("pid").toStdString()};
    for (const QString& option : m_Options) {
        command.Arguments.push_back(option.toStdString());
    }
    return command;
}

std::vector<std::string> FakeEngineRun::receivedLines() const
{
    std::ifstream file(m_Dir.filePath("received").toStdString(), std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        lines.push_back(line);
    }
    return lines;
}

pid_t FakeEngineRun::pid() const
{
    std::ifstream file(m_Dir.filePath("pid").toStdString());
    long pid = 0;
    file >> pid;
    return static_cast<pid_t>(pid);
}

LogCapture::LogCapture()
{
    m_Previous = Log::setSink([this](const std::string& line) {
        std::lock_guard<std::mutex> guard(m_Mutex);
        m_Lines.push_back(line);
    });
}

LogCapture::~LogCapture()
{
    Log::setSink(m_Previous);
}

std::vector<std::string> LogCapture::lines() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_Lines;
}

bool LogCapture::contains(const std::string& fragment) const
{
    for (const auto& line : lines()) {
        if (line.find(fragment) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool processExists(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

WrapperUnderTest::WrapperUnderTest(const QStringList& options) : fake(std::make_unique<FakeEngineRun>(options))
{
    start(fake->command());
}

WrapperUnderTest::WrapperUnderTest(const std::optional<GTPEngineCommand>& command)
{
    start(command);
}

void WrapperUnderTest::start(const std::optional<GTPEngineCommand>& command)
{
    wrapper = std::make_unique<GTPGoEngineWrapper>(QStringLiteral("engine"), command);
    QObject::connect(wrapper.get(), &GTPGoEngineWrapper::HasPlayed,
                     [this](const GTPGoMove& move) { moves.push_back(move); });
    startedPid = static_cast<pid_t>(wrapper->processId());
    played = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::HasPlayed);
    resigned = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::HasResigned);
    failed = std::make_unique<QSignalSpy>(wrapper.get(), &GTPGoEngineWrapper::EngineFailed);
}

WrapperUnderTest::~WrapperUnderTest()
{
    failed.reset();
    resigned.reset();
    played.reset();
    wrapper.reset();
    EXPECT_FALSE(processExists(startedPid)) << "engine " << startedPid << " outlived its wrapper";
    if (fake) {
        EXPECT_FALSE(processExists(fake->pid())) << "fake engine " << fake->pid() << " outlived its wrapper";
    }
}

bool WrapperUnderTest::waitForMoves(std::size_t count)
{
    while (moves.size() < count) {
        if (!played->wait(PatienceMilliseconds)) {
            return false;
        }
    }
    return true;
}

bool WrapperUnderTest::waitForFailure()
{
    return failed->count() > 0 || failed->wait(PatienceMilliseconds);
}

void PrintTo(const GTPGoMove& move, std::ostream* out)
{
    *out << getColorName(move.Color());
    if (move.Point()) {
        *out << " (" << move.Point()->X() << ", " << move.Point()->Y() << ")";
    }
    if (move.IsPass()) {
        *out << " pass";
    }
}
