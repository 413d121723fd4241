#include "GTPCommandText.h"

#include "rules/Log.h"
#include "rules/NumberText.h"

#include <array>
#include <cmath>
#include <limits>

std::string GTPCommandText::colorLetter(GTPGoColor color)
{
    if (color == GTPGoColorBlack) {
        return "B";
    }
    if (color == GTPGoColorWhite) {
        return "W";
    }
    Log::write("Invalid color in getColorLetter!");
    return "";
}

std::string GTPCommandText::vertex(std::int32_t x, std::int32_t y)
{
    // GTP has no column I: H is 8, J is 9.
    const int code = x < 9 ? 64 + x : 65 + x;
    return std::string(1, static_cast<char>(code)) + std::to_string(y);
}

std::int32_t GTPCommandText::wholeSeconds(double seconds)
{
    if (std::isnan(seconds)) {
        return 0;
    }
    const double cut = std::trunc(seconds);
    if (cut >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (cut <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(cut);
}

std::string GTPCommandText::boardSize(std::int32_t size)
{
    return "boardsize " + std::to_string(size);
}

std::string GTPCommandText::clearBoard()
{
    return "clear_board";
}

std::string GTPCommandText::komi(double komi)
{
    return "komi " + fixedDecimal(komi, 1);
}

std::string GTPCommandText::timeSettings(double mainTime, double byoYomi, std::int32_t movesPerByoYomi)
{
    return "time_settings " + std::to_string(wholeSeconds(mainTime)) + " " + std::to_string(wholeSeconds(byoYomi)) + " "
        + std::to_string(movesPerByoYomi);
}

std::optional<std::string> GTPCommandText::handicap(std::int32_t stones)
{
    // The same points, in the same order, as the board's handicap stones.
    static const std::array<const char*, 8> vertices = {
        "C3 G7",
        "C3 G7 G3",
        "C3 G7 G3 C7",
        "C3 G7 G3 C7 E5",
        "C3 G7 G3 C7 C5 G5",
        "C3 G7 G3 C7 E5 C5 G5",
        "C3 G7 G3 C7 C5 G5 E3 E7",
        "C3 G7 G3 C7 E5 C5 G5 E3 E7",
    };
    if (stones <= 0) {
        return std::nullopt;
    }
    if (stones < 2 || stones > 9) {
        return std::string();
    }
    // The command name keeps its trailing blank, so two blanks precede the first vertex.
    return std::string("set_free_handicap ") + " " + vertices[static_cast<std::size_t>(stones - 2)];
}

std::string GTPCommandText::play(GTPGoColor color, std::int32_t x, std::int32_t y)
{
    return "play " + colorLetter(color) + " " + vertex(x, y);
}

std::optional<std::string> GTPCommandText::pass(GTPGoColor color)
{
    if (color == GTPGoColorEmpty) {
        Log::write("Invalid color in GTPGoEngineWrapper pass!");
        return std::nullopt;
    }
    return "play " + colorLetter(color) + " PASS";
}

std::string GTPCommandText::timeLeft(GTPGoColor color, double timeLeft, std::int32_t numberOfMoves)
{
    return "time_left " + colorLetter(color) + " " + std::to_string(wholeSeconds(timeLeft)) + " "
        + std::to_string(numberOfMoves);
}

std::string GTPCommandText::genmove(GTPGoColor color)
{
    return "genmove " + colorLetter(color);
}

std::string GTPCommandText::topMoves(GTPGoColor color)
{
    return color == GTPGoColorWhite ? "top_moves_white" : "top_moves_black";
}
