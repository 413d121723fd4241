#pragma once

#include "rules/GTPGoColor.h"

#include <cstdint>
#include <optional>
#include <string>

// The text of the GTP lines hoshi sends, without line ends. Pure C++ so the
// exact bytes can be tested without a process.
class GTPCommandText {
public:
    // "B", "W", or "" after logging an invalid colour.
    static std::string colorLetter(GTPGoColor color);
    // Column letter (I is skipped) then the row number: (9, 9) is "J9".
    static std::string vertex(std::int32_t x, std::int32_t y);
    // Seconds cut toward zero; values beyond the int range are clamped.
    static std::int32_t wholeSeconds(double seconds);

    static std::string boardSize(std::int32_t size);
    static std::string clearBoard();
    static std::string komi(double komi);
    static std::string timeSettings(double mainTime, double byoYomi, std::int32_t movesPerByoYomi);
    // The free handicap line for 2 to 9 stones; "" (a bare line feed once
    // sent) for any other count above 0; nothing for 0 or less.
    static std::optional<std::string> handicap(std::int32_t stones);
    static std::string play(GTPGoColor color, std::int32_t x, std::int32_t y);
    // Nothing for an invalid colour, after logging it.
    static std::optional<std::string> pass(GTPGoColor color);
    static std::string timeLeft(GTPGoColor color, double timeLeft, std::int32_t numberOfMoves);
    static std::string genmove(GTPGoColor color);
    // GNU Go's ranked candidates for that colour: "top_moves_white".
    static std::string topMoves(GTPGoColor color);
};
