#pragma once

#include "rules/GTPGoPoint.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What one framed engine answer means to hoshi. Only the first line counts;
// "=" answers carry an empty result, a pass, a resignation or a vertex.
class GTPAnswer {
public:
    enum class Kind {
        Success,      // "=" with nothing after it
        Pass,         // "= pass", any case
        Resign,       // "= resign", any case
        Vertex,       // "= " and a vertex on the board
        BadVertex,    // "=" with any other text: never a move
        Failure,      // "?" answers
        Unrecognised, // anything else, including bytes that are not UTF-8
    };

    // Reads an answer as framed by GTPAnswerFramer, for a board of the given size.
    static GTPAnswer parse(std::string_view answer, std::int32_t boardSize);
    // The column of a GTP letter in either case (I is skipped), or nothing.
    static std::optional<std::int32_t> columnOfLetter(char letter);
    static bool isValidUtf8(std::string_view bytes);

    Kind kind() const { return m_Kind; }
    // The vertex, only for Kind::Vertex.
    const std::optional<GTPGoPoint>& point() const { return m_Point; }
    // The result text after "=" or "?" and any id, trimmed.
    const std::string& text() const { return m_Text; }

private:
    GTPAnswer(Kind kind, std::string text, std::optional<GTPGoPoint> point = std::nullopt)
        : m_Kind(kind), m_Point(point), m_Text(std::move(text)) {}

    Kind m_Kind;
    std::optional<GTPGoPoint> m_Point;
    std::string m_Text;
};
