#pragma once

#include "GTPGoMove.h"
#include "GTPGoPoint.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class GTPGoTurn;

// The stones on the board now, and the rule questions asked before a move is
// accepted. Knows nothing of turns, ko or history: that is the game's work.
class GTPGoBoard {
public:
    using StoneMap = std::unordered_map<GTPGoPoint, std::int32_t>;

    // Places the handicap stones (black) on a 9 x 9 board.
    GTPGoBoard(std::int32_t boardSize, std::int32_t handicap);

    bool isPointFree(const GTPGoPoint& point) const;
    bool isOnBoard(const GTPGoPoint& point) const;
    // On-board neighbours, always in the order left, right, above, under.
    std::vector<GTPGoPoint> getAdjacents(const GTPGoPoint& point) const;
    // Fills the caller's empty lists with the group of the start point (which
    // counts as a stone of the colour whatever it holds) and its liberties in
    // order of discovery; returns the number of liberties.
    std::int32_t getGroupLiberties(const GTPGoPoint& point, GTPGoColor color,
                                   std::vector<GTPGoPoint>& group, std::vector<GTPGoPoint>& liberties) const;
    // Opponent stones the move would capture, each group in search order.
    std::vector<GTPGoPoint> willCapture(const GTPGoMove& move) const;
    // The move's stone and the stones it joins would have no liberty; captures ignored.
    bool isSuicide(const GTPGoMove& move) const;
    void execute(const GTPGoTurn& turn);

    // The handicap stones placed at construction, in placing order: the engine
    // and saved games list them in this order.
    const std::vector<GTPGoPoint>& HandicapPoints() const { return m_HandicapPoints; }
    const StoneMap& Stones() const { return m_Stones; }
    void setStones(const StoneMap& v);
    std::int32_t BoardSize() const { return m_BoardSize; }
    void setBoardSize(std::int32_t v);

private:
    void placeHandicap(std::int32_t handicap);
    void putStone(const GTPGoPoint& point, std::int32_t color);
    void removeStone(const GTPGoPoint& point);
    void getGroupLibertiesRec(const GTPGoPoint& point, GTPGoColor color,
                              std::vector<GTPGoPoint>& checked, std::vector<GTPGoPoint>& liberties) const;
    // The same depth-first search, stopped as soon as it has found the given
    // number of liberties (0: never); false when it stopped early.
    bool searchGroup(const GTPGoPoint& point, GTPGoColor color, std::vector<GTPGoPoint>& checked,
                     std::vector<GTPGoPoint>& liberties, std::size_t libertyLimit) const;
    // Marks the caller's lists as seen and starts a search with scratch lists when none are given.
    std::uint32_t startSearch(const std::vector<GTPGoPoint>& group, const std::vector<GTPGoPoint>& liberties) const;

    // The searches run on every move attempt, so they read a grid that mirrors
    // Stones (board plus a ring of off-board points) and mark what they have
    // seen instead of scanning their lists.
    bool inGrid(const GTPGoPoint& point) const;
    std::size_t gridIndex(const GTPGoPoint& point) const;
    void rebuildGrid();
    std::uint32_t startMarking() const;

    StoneMap m_Stones;
    std::vector<GTPGoPoint> m_HandicapPoints;
    std::int32_t m_BoardSize;
    std::vector<std::int64_t> m_Grid;
    mutable std::vector<std::uint32_t> m_Marks;
    mutable std::uint32_t m_MarkGeneration = 0;
    mutable std::vector<GTPGoPoint> m_ScratchGroup;
    mutable std::vector<GTPGoPoint> m_ScratchLiberties;
};
