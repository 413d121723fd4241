#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits a command line into words as a POSIX shell does, without expanding
// anything: blanks separate words, quotes and backslashes protect characters.
class ShellWords {
public:
    // Nothing when a quote is left open or the line ends in a lone backslash;
    // then the problem, in words, goes to *problem when given.
    static std::optional<std::vector<std::string>> split(std::string_view line, std::string* problem = nullptr);
};
