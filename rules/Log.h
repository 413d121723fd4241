#pragma once

#include <functional>
#include <string>

// The project's log: one line per call. Pure C++ so the rules can log without
// Qt; the Qt layers route it to the "hoshi" logging category, tests capture it.
class Log {
public:
    using Sink = std::function<void(const std::string& line)>;

    static void write(const std::string& line);
    // Replaces the sink and returns the previous one; an empty sink restores stderr.
    static Sink setSink(Sink sink);
};
