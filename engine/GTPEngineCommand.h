#pragma once

#include <optional>
#include <string>
#include <vector>

// The program and arguments that start a GTP engine.
struct GTPEngineCommand {
    std::string Program;
    std::vector<std::string> Arguments;
};

// The first engine that can be started: the command line in HOSHI_ENGINE (split
// as a shell splits words), then /Applications/pachi with its option string,
// then GNU Go. Never a "pachi" found on the PATH. Nothing when none is found.
std::optional<GTPEngineCommand> locateEngine();
