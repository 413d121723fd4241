#include "GTPEngineLocator.h"

#include "ShellWords.h"
#include "rules/Log.h"
#include "strength/OpponentStrength.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

GTPEngineLocator::GTPEngineLocator(Environment environment, IsExecutable isExecutable)
    : m_Environment(std::move(environment)), m_IsExecutable(std::move(isExecutable))
{
}

GTPEngineLocator::GTPEngineLocator()
    : GTPEngineLocator(
          [](const std::string& name) -> std::optional<std::string> {
              const char* value = std::getenv(name.c_str());
              return value ? std::optional<std::string>(value) : std::nullopt;
          },
          [](const std::string& path) { return ::access(path.c_str(), X_OK) == 0; })
{
}

std::optional<GTPEngineCommand> GTPEngineLocator::locate(std::int32_t level) const
{
    if (const auto line = m_Environment("HOSHI_ENGINE")) {
        std::string problem;
        const auto words = ShellWords::split(*line, &problem);
        if (!words) {
            // The player asked for another engine: starting GNU Go instead would hide the mistake.
            Log::write("HOSHI_ENGINE is not a command line (" + problem + "): " + *line);
            return std::nullopt;
        }
        if (!words->empty()) {
            const auto named = m_Environment("HOSHI_ENGINE_NAME");
            const std::string name = named && !named->empty()
                ? *named
                : std::filesystem::path(words->front()).filename().string();
            return GTPEngineCommand{words->front(), std::vector<std::string>(words->begin() + 1, words->end()), name};
        }
    }
    if (m_IsExecutable(PachiPath)) {
        return GTPEngineCommand{PachiPath, {PachiArguments}, "Pachi"};
    }
    if (const auto gnugo = findGnuGo()) {
        GTPEngineCommand command{*gnugo, {"--mode", "gtp", "--never-resign", "--capture-all-dead"}, GnuGoName, true};
        if (const StrengthStep* step = OpponentStrength::byNumber(level)) {
            const std::vector<std::string> words = step->arguments();
            command.Arguments.insert(command.Arguments.end(), words.begin(), words.end());
            command.Strength = step;
        }
        return command;
    }
    return std::nullopt;
}

std::string GTPEngineLocator::name() const
{
    if (const auto engine = locate()) {
        return engine->Name;
    }
    const auto line = m_Environment("HOSHI_ENGINE");
    if (!line || ShellWords::split(*line)) {
        return GnuGoName;
    }
    return m_Environment("HOSHI_ENGINE_NAME").value_or("");
}

std::optional<GTPEngineCommand> GTPEngineLocator::locateCoach() const
{
    if (const auto line = m_Environment("HOSHI_COACH")) {
        const auto words = ShellWords::split(*line);
        if (!words || words->empty()) {
            Log::write("HOSHI_COACH is not a command line: " + *line);
            return std::nullopt;
        }
        return GTPEngineCommand{words->front(), std::vector<std::string>(words->begin() + 1, words->end()), "coach"};
    }
    if (const auto gnugo = findGnuGo()) {
        return GTPEngineCommand{*gnugo, {"--mode", "gtp", "--level", std::to_string(CoachLevel)}, GnuGoName, true};
    }
    return std::nullopt;
}

std::optional<std::string> GTPEngineLocator::findGnuGo() const
{
    // Only gnugo is looked up on the PATH: Debian's "pachi" there is a platform game.
    if (const auto path = m_Environment("PATH")) {
        std::size_t start = 0;
        while (start <= path->size()) {
            const std::size_t end = std::min(path->find(':', start), path->size());
            const std::string dir = path->substr(start, end - start);
            // Empty and relative entries name the current directory: never start an engine from there.
            if (!dir.empty() && dir.front() == '/' && m_IsExecutable(dir + "/gnugo")) {
                return dir + "/gnugo";
            }
            start = end + 1;
        }
    }
    if (m_IsExecutable(DebianGnuGoPath)) {
        return std::string(DebianGnuGoPath);
    }
    return std::nullopt;
}

std::optional<GTPEngineCommand> locateEngine(std::int32_t level)
{
    return GTPEngineLocator().locate(level);
}

std::string engineName()
{
    return GTPEngineLocator().name();
}
