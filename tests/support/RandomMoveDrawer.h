#pragma once

#include "rules/GTPGoGame.h"

#include <random>

// Draws moves for seeded random games, always in the colour of the side to
// move. Besides points anywhere on the board (occupied ones included) it
// favours the moves that the rules refuse or treat specially: the ko point,
// points whose every neighbour is taken (suicide or capture), and now and
// then a single pass (never a second one in a row).
class RandomMoveDrawer {
public:
    explicit RandomMoveDrawer(std::uint32_t seed) : m_random(seed) {}

    GTPGoMove draw(const GTPGoGame& game);

private:
    std::mt19937 m_random;
};
