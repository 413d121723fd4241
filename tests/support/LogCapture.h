#pragma once

#include "rules/Log.h"

#include <algorithm>
#include <string>
#include <vector>

// Collects Log lines while alive.
struct LogCapture {
    LogCapture() : previous(Log::setSink([this](const std::string& line) { lines.push_back(line); })) {}
    ~LogCapture() { Log::setSink(previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    bool contains(const std::string& text) const
    {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    std::vector<std::string> lines;
    Log::Sink previous;
};
