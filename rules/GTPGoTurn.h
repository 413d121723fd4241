#pragma once

#include "GTPGoMove.h"
#include "GTPGoPoint.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// One accepted move, with what it captured and its links in the line of turns.
// The game owns every turn; the links do not own.
class GTPGoTurn {
public:
    GTPGoTurn(const GTPGoMove& move, std::int32_t turnNumber) : m_Move(move), m_TurnNumber(turnNumber) {}

    const GTPGoMove& Move() const { return m_Move; }
    void setMove(const GTPGoMove& v) { m_Move = v; }
    // Turns recorded before this one: its index in the game's Turns.
    std::int32_t TurnNumber() const { return m_TurnNumber; }
    void setTurnNumber(std::int32_t v) { m_TurnNumber = v; }
    // Absent when nothing was captured (never an empty list).
    const std::optional<std::vector<GTPGoPoint>>& KilledStones() const { return m_KilledStones; }
    void setKilledStones(std::optional<std::vector<GTPGoPoint>> v) { m_KilledStones = std::move(v); }
    const std::optional<GTPGoPoint>& OldKoPoint() const { return m_OldKoPoint; }
    void setOldKoPoint(std::optional<GTPGoPoint> v) { m_OldKoPoint = v; }
    GTPGoTurn* PreviousTurn() const { return m_PreviousTurn; }
    void setPreviousTurn(GTPGoTurn* v) { m_PreviousTurn = v; }
    const std::vector<GTPGoTurn*>& NextTurns() const { return m_NextTurns; }
    std::vector<GTPGoTurn*>& NextTurns() { return m_NextTurns; }

private:
    GTPGoMove m_Move;
    std::int32_t m_TurnNumber;
    std::optional<std::vector<GTPGoPoint>> m_KilledStones;
    std::optional<GTPGoPoint> m_OldKoPoint;
    GTPGoTurn* m_PreviousTurn = nullptr;
    std::vector<GTPGoTurn*> m_NextTurns;
};
