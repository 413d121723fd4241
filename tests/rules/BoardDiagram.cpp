#include "BoardDiagram.h"

#include <stdexcept>

GTPGoBoard::StoneMap stonesFromDiagram(std::initializer_list<std::string> rows)
{
    GTPGoBoard::StoneMap stones;
    std::int32_t y = static_cast<std::int32_t>(rows.size());
    for (const std::string& row : rows) {
        std::int32_t x = 1;
        for (const char c : row) {
            if (c == ' ') {
                continue;
            }
            if (c == 'X') {
                stones[{x, y}] = static_cast<std::int32_t>(GTPGoColorBlack);
            } else if (c == 'O') {
                stones[{x, y}] = static_cast<std::int32_t>(GTPGoColorWhite);
            } else if (c != '.') {
                throw std::invalid_argument("unknown diagram character in: " + row);
            }
            ++x;
        }
        --y;
    }
    return stones;
}
