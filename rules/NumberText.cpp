#include "NumberText.h"

#include <array>
#include <charconv>

std::string fixedDecimal(double value, int decimals)
{
    // Room for any double in fixed notation (up to 309 digits) and the decimals asked for.
    std::array<char, 400> text {};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed,
                                            decimals);
    return error == std::errc() ? std::string(text.data(), end) : std::string();
}
