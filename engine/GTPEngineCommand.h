#pragma once

#include "strength/StrengthStep.h"

#include <optional>
#include <string>
#include <vector>

// The program and arguments that start a GTP engine, and the name the player
// knows it by.
struct GTPEngineCommand {
    std::string Program;
    std::vector<std::string> Arguments;
    std::string Name = {};
    // GNU Go found by hoshi takes a strength step; an engine given by
    // HOSHI_ENGINE is started exactly as written, Pachi as it is.
    bool TakesLevel = false;
    // The step GNU Go was started for, which also says how to ask it for a move; none for the others.
    const StrengthStep* Strength = nullptr;
};

// The name of the engine that a new game would start: "Pachi", "GNU Go",
// HOSHI_ENGINE_NAME or the file name of HOSHI_ENGINE's program. GNU Go, whom
// the player is told to install, when none can be started; "" when
// HOSHI_ENGINE is no command line and HOSHI_ENGINE_NAME is not set.
std::string engineName();

// The first engine that can be started: the command line in HOSHI_ENGINE (split
// as a shell splits words), then /Applications/pachi with its option string,
// then GNU Go, at the strength step of this number (OpponentStrength::byNumber)
// when there is one. Never a "pachi" found on the PATH. Nothing when none is found.
std::optional<GTPEngineCommand> locateEngine(std::int32_t level = 0);
