#pragma once

#include "rules/GTPGoBoard.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

// GNU Go as the tests' independent referee and opponent: Debian's gnugo.
inline constexpr const char* kGnuGoPath = "/usr/games/gnugo";

// GTP's column letters skip I.
inline constexpr const char* kColumnLetters = "ABCDEFGHJ";

inline std::string vertex(const GTPGoPoint& point)
{
    return std::string(1, kColumnLetters[point.X() - 1]) + std::to_string(point.Y());
}

inline GTPGoPoint pointOf(const std::string& vertex)
{
    const std::string columns = kColumnLetters;
    return {static_cast<std::int32_t>(columns.find(vertex.at(0))) + 1, std::stoi(vertex.substr(1))};
}

// The body of a successful answer; "= A1 B2" gives "A1 B2".
inline std::string body(const std::string& answer)
{
    EXPECT_EQ(answer.substr(0, 1), "=") << answer;
    return answer.size() > 2 ? answer.substr(2) : "";
}

// The vertices of an answer, whether on one line or, like GNU Go's groups, on several.
inline std::set<std::string> vertexSet(const std::string& answer)
{
    std::istringstream words(body(answer));
    std::set<std::string> vertices;
    for (std::string word; words >> word;) {
        vertices.insert(word);
    }
    return vertices;
}

// A GTP session with GNU Go on a 9 × 9 board; the options follow "--mode gtp".
class GnuGoSession : public ChildProcess {
public:
    explicit GnuGoSession(const std::vector<std::string>& options = {}) : ChildProcess(commandLine(options))
    {
        EXPECT_EQ(command("boardsize 9"), "= ") << kGnuGoPath << " is needed (Debian package gnugo)";
    }

    // The stones on GNU Go's board, as our board holds them.
    GTPGoBoard::StoneMap position()
    {
        askPosition();
        return readPosition();
    }

    // The same in two halves, so that other commands can share the round trip.
    void askPosition()
    {
        writeLine("list_stones black");
        writeLine("list_stones white");
    }

    GTPGoBoard::StoneMap readPosition()
    {
        GTPGoBoard::StoneMap stones;
        for (const GTPGoColor color : {GTPGoColorBlack, GTPGoColorWhite}) {
            for (const std::string& word : vertexSet(readAnswer())) {
                stones[pointOf(word)] = static_cast<std::int32_t>(color);
            }
        }
        return stones;
    }

private:
    static std::vector<std::string> commandLine(std::vector<std::string> options)
    {
        options.insert(options.begin(), {kGnuGoPath, "--mode", "gtp"});
        return options;
    }
};
