#include "RandomMoveDrawer.h"

#include <algorithm>
#include <vector>

GTPGoMove RandomMoveDrawer::draw(const GTPGoGame& game)
{
    const auto chance = [this](int percent) { return std::uniform_int_distribution<int>(0, 99)(m_random) < percent; };
    const GTPGoBoard& board = game.Board();
    const std::int32_t size = board.BoardSize();
    if (!(game.getLastTurn() && game.getLastTurn()->Move().IsPass()) && chance(3)) {
        return GTPGoMove::pass(game.ColorToMove());
    }
    if (game.KoPoint() && chance(60)) {
        return GTPGoMove::stone(game.ColorToMove(), *game.KoPoint());
    }
    // A quarter of the time, the empty points with no empty neighbour: playing there is a capture or a suicide.
    std::vector<GTPGoPoint> surrounded;
    const auto free = [&board](const GTPGoPoint& point) { return board.isPointFree(point); };
    for (std::int32_t i = chance(25) ? 0 : size * size; i < size * size; ++i) {
        const GTPGoPoint point(i / size + 1, i % size + 1);
        const std::vector<GTPGoPoint> adjacents = board.getAdjacents(point);
        if (free(point) && std::none_of(adjacents.begin(), adjacents.end(), free)) {
            surrounded.push_back(point);
        }
    }
    if (!surrounded.empty()) {
        std::uniform_int_distribution<std::size_t> pick(0, surrounded.size() - 1);
        return GTPGoMove::stone(game.ColorToMove(), surrounded[pick(m_random)]);
    }
    std::uniform_int_distribution<std::int32_t> coordinate(1, size);
    const std::int32_t x = coordinate(m_random);
    return GTPGoMove::stone(game.ColorToMove(), {x, coordinate(m_random)});
}
