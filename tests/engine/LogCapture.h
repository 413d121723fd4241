#pragma once

#include "rules/Log.h"

#include <string>
#include <vector>

// Collects Log lines while alive.
struct LogCapture {
    LogCapture() : previous(Log::setSink([this](const std::string& line) { lines.push_back(line); })) {}
    ~LogCapture() { Log::setSink(previous); }

    std::vector<std::string> lines;
    Log::Sink previous;
};
