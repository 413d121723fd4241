#pragma once

#include "SGFReadResult.h"
#include "rules/GTPGoPoint.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads the main line of an SGF game tree (the first variation at every
// branch) into a game record, replaying every move under hoshi's rules.
// Refuses what hoshi cannot play: other games or board sizes, set-up
// positions other than its handicap stones, illegal moves. Any bytes give a
// result, never an exception; the work is linear in the size of the text.
class SGFReader {
public:
    static SGFReadResult read(std::string_view text);

    // Far more than any 9 x 9 game with comments; larger texts are refused unread.
    static constexpr std::size_t MaximumSize = 4 * 1024 * 1024;

private:
    // The main line, flat: each property knows its node and its values.
    struct Property {
        std::string Identifier;
        std::size_t Node;
        std::size_t FirstValue;
        std::size_t ValueCount;
    };
    struct MainLine {
        std::vector<Property> Properties;
        std::vector<std::string_view> Values;
    };

    // SGFReaderParse.cpp: the text to the main line.
    static std::optional<SGFReadError> parse(std::string_view text, MainLine& line);
    // One property from its first letter to after its last value; kept in
    // the line when on the main line.
    static std::optional<SGFReadError> parseProperty(std::string_view text, std::size_t& pos, std::size_t node,
                                                     bool onMainLine, MainLine& line);
    // The offset just after the "(" of the first game tree, or npos.
    static std::size_t findGameTree(std::string_view text);
    // The offset of the "]" closing a value that starts at from, or npos.
    static std::size_t valueEnd(std::string_view text, std::size_t from);
    // FF[4] identifiers are upper case; old long ones ("AddBlack") drop their
    // lower-case letters; one written all in lower case is upper-cased.
    static std::string identifier(std::string_view letters);
    static bool isWhitespace(char c);

    // SGFReader.cpp: the main line to the record.
    static std::optional<SGFReadError> readRoot(const MainLine& line, SGFGameRecord& record);
    // A missing GM is Go, a missing SZ 19 x 19.
    static std::optional<SGFReadError> checkGameAndSize(const std::string& game, const std::string& size);
    static std::optional<SGFReadError> readNumbers(const std::string& komi, const std::string& handicap,
                                                   const std::string& mainTime, SGFGameRecord& record);
    static std::optional<SGFReadError> readSetup(const MainLine& line, SGFGameRecord& record);
    static std::optional<SGFReadError> replayMoves(const MainLine& line, SGFGameRecord& record);
    // A value unescaped as SimpleText: escapes removed, soft line breaks
    // dropped, other white space as spaces.
    static std::string simpleText(std::string_view raw);
    // Text keeps its line breaks; a soft one (a backslash before it) goes.
    static std::string text(std::string_view raw);
    // The note of the node, from the properties of the main line.
    static SGFMoveNote note(const MainLine& line, std::size_t node);
    static std::optional<double> number(std::string_view text);
    static std::optional<GTPGoPoint> point(std::string_view value, std::int32_t boardSize);
};
