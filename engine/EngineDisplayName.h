#pragma once

#include "engine/GTPEngineCommand.h"

#include <QString>

#include <string>

// An engine's name as the player reads it: the name given, or "the engine" in
// the player's language when nothing names it.
QString engineDisplayName(const std::string& name = engineName());
