#include "GTPGoBoard.h"

#include "GTPGoTurn.h"
#include "Log.h"

#include <algorithm>
#include <limits>

namespace {
bool contains(const std::vector<GTPGoPoint>& points, const GTPGoPoint& point)
{
    return std::find(points.begin(), points.end(), point) != points.end();
}

constexpr std::int64_t kNoStone = std::numeric_limits<std::int64_t>::min();
// Marks of one search: generation for the group, generation + 1 for a liberty.
constexpr std::uint32_t kLibertyMark = 1;
}

GTPGoBoard::GTPGoBoard(std::int32_t boardSize, std::int32_t handicap)
    : m_BoardSize(boardSize)
{
    rebuildGrid();
    placeHandicap(handicap);
}

void GTPGoBoard::setStones(const StoneMap& v)
{
    m_Stones = v;
    rebuildGrid();
}

void GTPGoBoard::setBoardSize(std::int32_t v)
{
    m_BoardSize = v;
    rebuildGrid();
}

bool GTPGoBoard::inGrid(const GTPGoPoint& point) const
{
    return point.X() >= 0 && point.X() <= m_BoardSize + 1 && point.Y() >= 0 && point.Y() <= m_BoardSize + 1;
}

std::size_t GTPGoBoard::gridIndex(const GTPGoPoint& point) const
{
    return static_cast<std::size_t>(point.X()) * static_cast<std::size_t>(m_BoardSize + 2)
        + static_cast<std::size_t>(point.Y());
}

void GTPGoBoard::rebuildGrid()
{
    const std::size_t side = m_BoardSize > 0 ? static_cast<std::size_t>(m_BoardSize) + 2 : 0;
    m_Grid.assign(side * side, kNoStone);
    m_Marks.assign(side * side, 0);
    m_MarkGeneration = 0;
    for (const auto& [point, color] : m_Stones) {
        if (inGrid(point)) {
            m_Grid[gridIndex(point)] = color;
        }
    }
}

std::uint32_t GTPGoBoard::startMarking() const
{
    m_MarkGeneration += 2;
    if (m_MarkGeneration < 2) {
        // Wrapped around: old marks could pass for new ones.
        std::fill(m_Marks.begin(), m_Marks.end(), 0);
        m_MarkGeneration = 2;
    }
    return m_MarkGeneration;
}

void GTPGoBoard::putStone(const GTPGoPoint& point, std::int32_t color)
{
    m_Stones[point] = color;
    if (inGrid(point)) {
        m_Grid[gridIndex(point)] = color;
    }
}

void GTPGoBoard::removeStone(const GTPGoPoint& point)
{
    m_Stones.erase(point);
    if (inGrid(point)) {
        m_Grid[gridIndex(point)] = kNoStone;
    }
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
    std::vector<GTPGoPoint>& points = m_HandicapPoints;
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
        putStone(point, static_cast<std::int32_t>(GTPGoColorBlack));
    }
}

bool GTPGoBoard::isPointFree(const GTPGoPoint& point) const
{
    if (isOnBoard(point)) {
        return m_Grid[gridIndex(point)] == kNoStone;
    }
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
        startSearch(group, liberties);
        getGroupLibertiesRec(point, color, group, liberties);
    }
    return static_cast<std::int32_t>(liberties.size());
}

std::uint32_t GTPGoBoard::startSearch(const std::vector<GTPGoPoint>& group,
                                      const std::vector<GTPGoPoint>& liberties) const
{
    const std::uint32_t generation = startMarking();
    for (const GTPGoPoint& member : group) {
        if (inGrid(member)) {
            m_Marks[gridIndex(member)] = generation;
        }
    }
    for (const GTPGoPoint& liberty : liberties) {
        if (inGrid(liberty)) {
            m_Marks[gridIndex(liberty)] = generation + kLibertyMark;
        }
    }
    return generation;
}

void GTPGoBoard::getGroupLibertiesRec(const GTPGoPoint& point, GTPGoColor color,
                                      std::vector<GTPGoPoint>& checked, std::vector<GTPGoPoint>& liberties) const
{
    searchGroup(point, color, checked, liberties, 0);
}

bool GTPGoBoard::searchGroup(const GTPGoPoint& point, GTPGoColor color, std::vector<GTPGoPoint>& checked,
                             std::vector<GTPGoPoint>& liberties, std::size_t libertyLimit) const
{
    const std::uint32_t generation = m_MarkGeneration;
    checked.push_back(point);
    if (inGrid(point)) {
        m_Marks[gridIndex(point)] = generation;
    }
    const GTPGoPoint neighbours[] = {point.getGoPointLeft(), point.getGoPointRight(),
                                     point.getGoPointAbove(), point.getGoPointUnder()};
    for (const GTPGoPoint& neighbour : neighbours) {
        if (!isOnBoard(neighbour)) {
            continue;
        }
        const std::size_t index = gridIndex(neighbour);
        if (m_Marks[index] == generation) {
            continue;
        }
        const std::int64_t stone = m_Grid[index];
        if (stone == kNoStone) {
            if (m_Marks[index] != generation + kLibertyMark) {
                m_Marks[index] = generation + kLibertyMark;
                liberties.push_back(neighbour);
                if (liberties.size() == libertyLimit) {
                    return false;
                }
            }
        } else if (stone == color && !searchGroup(neighbour, color, checked, liberties, libertyLimit)) {
            return false;
        }
    }
    return true;
}

std::vector<GTPGoPoint> GTPGoBoard::willCapture(const GTPGoMove& move) const
{
    std::vector<GTPGoPoint> captured;
    if (!move.Point()) {
        return captured;
    }
    const GTPGoColor opponent = getOppositeColor(move.Color());
    for (const GTPGoPoint& neighbour : getAdjacents(*move.Point())) {
        if (m_Grid[gridIndex(neighbour)] != opponent || contains(captured, neighbour)) {
            continue;
        }
        // The move's point is empty and touches the group, so it is always one
        // of the liberties: a second one saves the group, and the search may stop
        // there. A captured group is always searched to the end, in full order.
        m_ScratchGroup.clear();
        m_ScratchLiberties.clear();
        startSearch(m_ScratchGroup, m_ScratchLiberties);
        if (searchGroup(neighbour, opponent, m_ScratchGroup, m_ScratchLiberties, 2)) {
            captured.insert(captured.end(), m_ScratchGroup.begin(), m_ScratchGroup.end());
        }
    }
    return captured;
}

bool GTPGoBoard::isSuicide(const GTPGoMove& move) const
{
    if (!move.Point()) {
        return false;
    }
    if (move.Color() == GTPGoColorEmpty) {
        return true;
    }
    m_ScratchGroup.clear();
    m_ScratchLiberties.clear();
    startSearch(m_ScratchGroup, m_ScratchLiberties);
    // One liberty is enough to say no.
    return searchGroup(*move.Point(), move.Color(), m_ScratchGroup, m_ScratchLiberties, 1);
}

void GTPGoBoard::execute(const GTPGoTurn& turn)
{
    const GTPGoMove& move = turn.Move();
    if (move.IsPass() || !move.Point()) {
        return;
    }
    putStone(*move.Point(), static_cast<std::int32_t>(move.Color()));
    if (turn.KilledStones()) {
        for (const GTPGoPoint& killed : *turn.KilledStones()) {
            removeStone(killed);
        }
    }
}
