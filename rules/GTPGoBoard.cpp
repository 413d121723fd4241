#include "GTPGoBoard.h"

#include "GTPGoTurn.h"
#include "Log.h"

#include <algorithm>

namespace {
bool contains(const std::vector<GTPGoPoint>& points, const GTPGoPoint& point)
{
    return std::find(points.begin(), points.end(), point) != points.end();
}
}

GTPGoBoard::GTPGoBoard(std::int32_t boardSize, std::int32_t handicap)
    : m_BoardSize(boardSize)
{
    placeHandicap(handicap);
}

void GTPGoBoard::placeHandicap(std::int32_t handicap)
{
    if (handicap <= 0) {
        return;
    }
    if (m_BoardSize != 9) {
        Log::write("Don't know how to put " + std::to_string(handicap) + " handicap stones on a "
                   + std::to_string(m_BoardSize) + "x" + std::to_string(m_BoardSize) + " board!");
        return;
    }
    // The engine is told the same points in the same order (set_free_handicap).
    std::vector<GTPGoPoint> points;
    if (handicap >= 2) {
        points.insert(points.end(), {{3, 3}, {7, 7}});
    }
    if (handicap >= 3) {
        points.push_back({7, 3});
    }
    if (handicap >= 4) {
        points.push_back({3, 7});
    }
    if (handicap >= 6) {
        points.insert(points.end(), {{7, 5}, {3, 5}});
    }
    if (handicap >= 8) {
        points.insert(points.end(), {{5, 3}, {5, 7}});
    }
    if (handicap == 5 || handicap == 7 || handicap == 9) {
        points.push_back({5, 5});
    }
    for (const GTPGoPoint& point : points) {
        m_Stones[point] = static_cast<std::int32_t>(GTPGoColorBlack);
    }
}

bool GTPGoBoard::isPointFree(const GTPGoPoint& point) const
{
    return m_Stones.find(point) == m_Stones.end();
}

bool GTPGoBoard::isOnBoard(const GTPGoPoint& point) const
{
    return point.X() >= 1 && point.X() <= m_BoardSize && point.Y() >= 1 && point.Y() <= m_BoardSize;
}

std::vector<GTPGoPoint> GTPGoBoard::getAdjacents(const GTPGoPoint& point) const
{
    std::vector<GTPGoPoint> adjacents;
    adjacents.reserve(4);
    for (const GTPGoPoint& neighbour : {point.getGoPointLeft(), point.getGoPointRight(),
                                        point.getGoPointAbove(), point.getGoPointUnder()}) {
        if (isOnBoard(neighbour)) {
            adjacents.push_back(neighbour);
        }
    }
    return adjacents;
}

std::int32_t GTPGoBoard::getGroupLiberties(const GTPGoPoint& point, GTPGoColor color,
                                           std::vector<GTPGoPoint>& group, std::vector<GTPGoPoint>& liberties) const
{
    if (color != GTPGoColorEmpty) {
        getGroupLibertiesRec(point, color, group, liberties);
    }
    return static_cast<std::int32_t>(liberties.size());
}

void GTPGoBoard::getGroupLibertiesRec(const GTPGoPoint& point, GTPGoColor color,
                                      std::vector<GTPGoPoint>& checked, std::vector<GTPGoPoint>& liberties) const
{
    checked.push_back(point);
    for (const GTPGoPoint& neighbour : getAdjacents(point)) {
        if (contains(checked, neighbour)) {
            continue;
        }
        const auto stone = m_Stones.find(neighbour);
        if (stone == m_Stones.end()) {
            if (!contains(liberties, neighbour)) {
                liberties.push_back(neighbour);
            }
        } else if (stone->second == color) {
            getGroupLibertiesRec(neighbour, color, checked, liberties);
        }
    }
}

std::vector<GTPGoPoint> GTPGoBoard::willCapture(const GTPGoMove& move) const
{
    std::vector<GTPGoPoint> captured;
    if (!move.Point()) {
        return captured;
    }
    const GTPGoColor opponent = getOppositeColor(move.Color());
    for (const GTPGoPoint& neighbour : getAdjacents(*move.Point())) {
        const auto stone = m_Stones.find(neighbour);
        if (stone == m_Stones.end() || stone->second != opponent || contains(captured, neighbour)) {
            continue;
        }
        std::vector<GTPGoPoint> group;
        std::vector<GTPGoPoint> liberties;
        // The move's point is empty and touches the group, so it is always one of the liberties.
        if (getGroupLiberties(neighbour, opponent, group, liberties) < 2) {
            captured.insert(captured.end(), group.begin(), group.end());
        }
    }
    return captured;
}

bool GTPGoBoard::isSuicide(const GTPGoMove& move) const
{
    if (!move.Point()) {
        return false;
    }
    std::vector<GTPGoPoint> group;
    std::vector<GTPGoPoint> liberties;
    return getGroupLiberties(*move.Point(), move.Color(), group, liberties) == 0;
}

void GTPGoBoard::execute(const GTPGoTurn& turn)
{
    const GTPGoMove& move = turn.Move();
    if (move.IsPass() || !move.Point()) {
        return;
    }
    m_Stones[*move.Point()] = static_cast<std::int32_t>(move.Color());
    if (turn.KilledStones()) {
        for (const GTPGoPoint& killed : *turn.KilledStones()) {
            m_Stones.erase(killed);
        }
    }
}
