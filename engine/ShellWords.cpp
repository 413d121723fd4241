#include "ShellWords.h"

namespace {
bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
}

std::optional<std::vector<std::string>> ShellWords::split(std::string_view line, std::string* problem)
{
    const auto refuse = [problem](const char* why) -> std::optional<std::vector<std::string>> {
        if (problem != nullptr) {
            *problem = why;
        }
        return std::nullopt;
    };
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i++];
        if (isSeparator(c)) {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == '\\') {
            if (i == line.size()) {
                return refuse("it ends in a lone backslash");
            }
            word.push_back(line[i++]);
        } else if (c == '\'') {
            const std::size_t end = line.find('\'', i);
            if (end == std::string_view::npos) {
                return refuse("a single quote is not closed");
            }
            word.append(line.substr(i, end - i));
            i = end + 1;
        } else if (c == '"') {
            // Inside double quotes a backslash escapes only these.
            for (;;) {
                if (i == line.size()) {
                    return refuse("a double quote is not closed");
                }
                const char q = line[i++];
                if (q == '"') {
                    break;
                }
                if (q == '\\' && i < line.size()
                    && (line[i] == '"' || line[i] == '\\' || line[i] == '$' || line[i] == '`')) {
                    word.push_back(line[i++]);
                } else {
                    word.push_back(q);
                }
            }
        } else {
            word.push_back(c);
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}
