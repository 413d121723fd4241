#pragma once

#include "rules/GTPGoBoard.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <iterator>
#include <sstream>

// GNU Go as the tests' independent referee and opponent: Debian's gnugo.
inline constexpr const char* kGnuGoPath = "/usr/games/gnugo";

// GTP's column letters skip I.
inline std::string vertex(const GTPGoPoint& point) { return "ABCDEFGHJ"[point.X() - 1] + std::to_string(point.Y()); }

inline GTPGoPoint pointOf(const std::string& vertex)
{
    return {static_cast<std::int32_t>(std::string("ABCDEFGHJ").find(vertex[0])) + 1, std::stoi(vertex.substr(1))};
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
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

// A GTP session with GNU Go on a 9 × 9 board; the options follow "--mode gtp".
class GnuGoSession : public ChildProcess {
public:
    explicit GnuGoSession(std::vector<std::string> options = {})
        : ChildProcess((options.insert(options.begin(), {kGnuGoPath, "--mode", "gtp"}), options))
    {
        EXPECT_EQ(command("boardsize 9"), "= ") << kGnuGoPath << " is needed (Debian package gnugo)";
    }

    // The lines that list GNU Go's stones, by colour.
    static constexpr std::array<const char*, 2> kListStones = {"list_stones black", "list_stones white"};
    // The stones on GNU Go's board, as our board holds them.
    GTPGoBoard::StoneMap position()
    {
        GTPGoBoard::StoneMap stones;
        for (const GTPGoColor color : {GTPGoColorBlack, GTPGoColorWhite}) {
            for (const std::string& word : vertexSet(command(kListStones[color]))) {
                stones[pointOf(word)] = static_cast<std::int32_t>(color);
            }
        }
        return stones;
    }
};
