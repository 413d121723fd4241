#include "RandomMoveDrawer.h"

#include <vector>

namespace {
constexpr int kPassPercent = 3;
constexpr int kKoRetakePercent = 60;
constexpr int kSurroundedPercent = 25;

bool lastTurnWasPass(const GTPGoGame& game)
{
    const GTPGoTurn* last = game.getLastTurn();
    return last && !last->Move().Point();
}

// Empty points with no empty neighbour: playing there is a capture or a suicide.
std::vector<GTPGoPoint> surroundedPoints(const GTPGoBoard& board)
{
    std::vector<GTPGoPoint> points;
    for (std::int32_t x = 1; x <= board.BoardSize(); ++x) {
        for (std::int32_t y = 1; y <= board.BoardSize(); ++y) {
            const GTPGoPoint point(x, y);
            if (!board.isPointFree(point)) {
                continue;
            }
            bool surrounded = true;
            for (const GTPGoPoint& neighbour : board.getAdjacents(point)) {
                surrounded = surrounded && !board.isPointFree(neighbour);
            }
            if (surrounded) {
                points.push_back(point);
            }
        }
    }
    return points;
}
}

bool RandomMoveDrawer::chance(int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(m_random) < percent;
}

GTPGoPoint RandomMoveDrawer::anyPoint(std::int32_t boardSize)
{
    std::uniform_int_distribution<std::int32_t> coordinate(1, boardSize);
    const std::int32_t x = coordinate(m_random);
    return {x, coordinate(m_random)};
}

GTPGoMove RandomMoveDrawer::draw(const GTPGoGame& game)
{
    const GTPGoColor color = game.ColorToMove();
    if (!lastTurnWasPass(game) && chance(kPassPercent)) {
        return GTPGoMove::pass(color);
    }
    if (game.KoPoint() && chance(kKoRetakePercent)) {
        return GTPGoMove::stone(color, *game.KoPoint());
    }
    if (chance(kSurroundedPercent)) {
        const std::vector<GTPGoPoint> surrounded = surroundedPoints(game.Board());
        if (!surrounded.empty()) {
            std::uniform_int_distribution<std::size_t> pick(0, surrounded.size() - 1);
            return GTPGoMove::stone(color, surrounded[pick(m_random)]);
        }
    }
    return GTPGoMove::stone(color, anyPoint(game.Board().BoardSize()));
}
