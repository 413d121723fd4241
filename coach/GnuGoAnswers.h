#pragma once

#include "CandidateMove.h"
#include "DragonStatus.h"
#include "MoveReason.h"
#include "rules/GTPGoPoint.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reads the answers of GNU Go 3.8's analysis commands on a 9 × 9 board. Each
// reader takes the text after "= " (a whole answer with "=", an id and
// surrounding blanks is read the same) and gives nothing, never a partial
// value, for a "?" failure or text of another shape; none throws.
class GnuGoAnswers {
public:
    static constexpr std::int32_t BoardSize = 9;
    // No score or move value on a 9 × 9 board comes near this; larger numbers are garbage.
    static constexpr double MaximumMagnitude = 1000;

    // Ownership from "initial_influence COLOR influence_regions": 4 a White
    // stone, 3 White territory, 2 White moyo, 1 White area, 0 neutral, and
    // -1 to -4 the same for Black.
    using Ownership = std::unordered_map<GTPGoPoint, std::int32_t>;

    // top_moves_black / top_moves_white: "E4 37.54 G5 17.79", best first. An
    // empty list is GNU Go's answer when nothing but a pass is left.
    static std::optional<std::vector<CandidateMove>> topMoves(std::string_view text);
    // estimate_score: "W+4.0 (upper bound: ...)" is -4.0, Black's lead; only
    // the leading part is read.
    static std::optional<double> lead(std::string_view estimateScoreText);
    // experimental_score COLOR: GNU Go counts for White whichever colour is to
    // play; this is Black's lead like lead().
    static std::optional<double> experimentalScore(std::string_view text);
    // move_reasons VERTEX: one reason a line, in order. Lines of no known
    // shape that start "Move at VERTEX" become Kind::Other; any other line
    // (the "Move reasons:" heading, blanks, off-board vertices) is skipped.
    // GNU Go answers with the reasons of its last move generation for a colour
    // (top_moves_COLOR, reg_genmove, experimental_score), so ask right after
    // top_moves_COLOR; a play forgets them, and its heading goes to stderr.
    static std::vector<MoveReason> moveReasons(std::string_view text);
    // dragon_status VERTEX: "alive", "dead", "unknown", "critical E9 D8".
    static std::optional<DragonStatus> dragonStatus(std::string_view text);
    // The 9 rows of initial_influence's influence_regions, row 9 first.
    static std::optional<Ownership> influence(std::string_view text);
    // findlib and other vertex lists; empty for an empty answer.
    static std::optional<std::vector<GTPGoPoint>> points(std::string_view text);
    // countlib: a count from 0 to the number of points of the board.
    static std::optional<std::int32_t> count(std::string_view text);
    // "E5", "e5": GTP's columns skip I; only points of the 9 × 9 board.
    static std::optional<GTPGoPoint> vertex(std::string_view word);

private:
    // The answer's result text, or nothing for a "?" failure.
    static std::optional<std::string_view> body(std::string_view text);
    // Words split at blanks; "(", ")" and "," are words of their own.
    static std::vector<std::string_view> words(std::string_view text);
    static std::optional<double> number(std::string_view word);
    // A vertex, or an absent point for "PASS"; nothing for anything else.
    static std::optional<std::optional<GTPGoPoint>> move(std::string_view word);
    static std::optional<MoveReason> moveReason(std::string_view line);
};
