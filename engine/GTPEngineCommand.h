#pragma once

#include <optional>
#include <string>
#include <vector>

// The program and arguments that start a GTP engine, and the name the player
// knows it by.
struct GTPEngineCommand {
    std::string Program;
    std::vector<std::string> Arguments;
    std::string Name = {};
    // GNU Go found by hoshi takes its strength as "--level N"; an engine given
    // by HOSHI_ENGINE is started exactly as written, Pachi as it is.
    bool TakesLevel = false;
};

// The name of the engine that a new game would start: "Pachi", "GNU Go",
// HOSHI_ENGINE_NAME or the file name of HOSHI_ENGINE's program. GNU Go, whom
// the player is told to install, when none can be started; "" when
// HOSHI_ENGINE is no command line and HOSHI_ENGINE_NAME is not set.
std::string engineName();

// The first engine that can be started: the command line in HOSHI_ENGINE (split
// as a shell splits words), then /Applications/pachi with its option string,
// then GNU Go. Never a "pachi" found on the PATH. Nothing when none is found.
std::optional<GTPEngineCommand> locateEngine(std::int32_t level = 0);
