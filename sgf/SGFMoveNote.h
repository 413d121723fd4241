#pragma once

#include "rules/GTPGoPoint.h"

#include <cstdint>
#include <optional>
#include <string>

// What a move's node holds besides the move: a game's analysis, in FF[4]'s
// annotation properties, and any comment the file already had.
struct SGFMoveNote {
    // V: Black's estimated lead once the move is played, in points.
    std::optional<double> Value;
    // BM: 1 a mistake, 2 a big one.
    std::int32_t BadMove = 0;
    // C, as the file had it before hoshi's analysis.
    std::string Comment;
    // C's last paragraph when the analysis wrote one: why the move was a mistake.
    std::string Analysis;
    // TR: the better move, marked with a triangle.
    std::optional<GTPGoPoint> Better;
    // HL, hoshi's own: the points the move lost against the better one.
    std::optional<double> Loss;

    bool isEmpty() const { return *this == SGFMoveNote(); }
    bool operator==(const SGFMoveNote& other) const = default;
};
