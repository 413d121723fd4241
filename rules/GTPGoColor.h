#pragma once

#include <cstdint>
#include <string>

using GTPGoColor = std::int64_t;

inline constexpr GTPGoColor GTPGoColorBlack = 0;
inline constexpr GTPGoColor GTPGoColorWhite = 1;
// No stone; as the player's colour chosen in the menus, two people share the board.
inline constexpr GTPGoColor GTPGoColorEmpty = 2;

GTPGoColor getOppositeColor(GTPGoColor color);
std::string getColorName(GTPGoColor color);
