#pragma once

#include "GTPEngineCommand.h"

#include <functional>
#include <optional>
#include <string>

// Finds the engine to start. The environment and the file system are reached
// through the two functions so that tests can stand in for them.
class GTPEngineLocator {
public:
    using Environment = std::function<std::optional<std::string>(const std::string& name)>;
    using IsExecutable = std::function<bool(const std::string& path)>;

    static constexpr const char* PachiPath = "/Applications/pachi";
    static constexpr const char* PachiArguments = "stones_only,threads=1,max_tree_size=100,resign_threshold=0,maximize_score";
    static constexpr const char* DebianGnuGoPath = "/usr/games/gnugo";
    static constexpr const char* GnuGoName = "GNU Go";
    // Level 8 ranks a 30-move 9 x 9 position's best moves as level 10 does, in under half its time.
    static constexpr std::int32_t CoachLevel = 8;

    GTPEngineLocator(Environment environment, IsExecutable isExecutable);
    // The real environment and file system.
    GTPEngineLocator();

    // With the number of a strength step (OpponentStrength::byNumber), GNU Go
    // is started with the step's arguments and the command carries the step.
    std::optional<GTPEngineCommand> locate(std::int32_t level = 0) const;
    // What the player knows the engine of a new game by, even one that cannot
    // start: HOSHI_ENGINE_NAME or the program's file name, "" when HOSHI_ENGINE
    // cannot even be read; GNU Go, the one to install, when nothing is found.
    std::string name() const;
    // The coach: the command line in HOSHI_COACH, else GNU Go at CoachLevel,
    // found as the opponent is. Nothing when neither can be started.
    std::optional<GTPEngineCommand> locateCoach() const;

private:
    std::optional<std::string> findGnuGo() const;

    Environment m_Environment;
    IsExecutable m_IsExecutable;
};
