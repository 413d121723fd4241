#pragma once

#include "rules/Log.h"

#include <algorithm>
#include <string>
#include <vector>

// Collects Log lines while alive (never copied: the sink holds its address).
struct LogCapture {
    LogCapture() : previous(Log::setSink([this](const std::string& line) { lines.push_back(line); })) {}
    ~LogCapture() { Log::setSink(previous); }

    bool contains(const std::string& text) const
    {
        return std::ranges::any_of(lines, [&](const std::string& line) { return line.find(text) != line.npos; });
    }

    std::vector<std::string> lines;
    Log::Sink previous;
};
