#include "RandomMoveDrawer.h"

#include <algorithm>
#include <vector>

bool RandomMoveDrawer::chance(int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(m_random) < percent;
}

GTPGoMove RandomMoveDrawer::draw(const GTPGoGame& game)
{
    const GTPGoColor color = game.ColorToMove();
    const GTPGoBoard& board = game.Board();
    const GTPGoTurn* last = game.getLastTurn();
    if (!(last && last->Move().IsPass()) && chance(3)) {
        return GTPGoMove::pass(color);
    }
    if (game.KoPoint() && chance(60)) {
        return GTPGoMove::stone(color, *game.KoPoint());
    }
    std::uniform_int_distribution<std::int32_t> coordinate(1, board.BoardSize());
    if (chance(25)) {
        // Empty points with no empty neighbour: playing there is a capture or a suicide.
        const auto free = [&board](const GTPGoPoint& point) { return board.isPointFree(point); };
        std::vector<GTPGoPoint> surrounded;
        for (std::int32_t x = 1; x <= board.BoardSize(); ++x) {
            for (std::int32_t y = 1; y <= board.BoardSize(); ++y) {
                const std::vector<GTPGoPoint> adjacents = board.getAdjacents({x, y});
                if (free({x, y}) && std::none_of(adjacents.begin(), adjacents.end(), free)) {
                    surrounded.emplace_back(x, y);
                }
            }
        }
        if (!surrounded.empty()) {
            std::uniform_int_distribution<std::size_t> pick(0, surrounded.size() - 1);
            return GTPGoMove::stone(color, surrounded[pick(m_random)]);
        }
    }
    const std::int32_t x = coordinate(m_random);
    return GTPGoMove::stone(color, {x, coordinate(m_random)});
}
