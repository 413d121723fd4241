// Position replay for review: GTPGoGame::getBoardModifications and its steps.
#include "GTPGoGame.h"

#include <algorithm>

namespace {
void removePoint(std::vector<GTPGoPoint>& points, const GTPGoPoint& point)
{
    points.erase(std::remove(points.begin(), points.end(), point), points.end());
}

void removeStoneAt(std::vector<GTPGoMove>& stones, const GTPGoPoint& point)
{
    stones.erase(std::remove_if(stones.begin(), stones.end(),
                                [&](const GTPGoMove& stone) { return stone.Point() == point; }),
                 stones.end());
}
}

void GTPGoGame::getBoardModifications(std::vector<GTPGoPoint>& removals, std::vector<GTPGoMove>& additions,
                                      std::int32_t step)
{
    removals.clear();
    additions.clear();
    // Review begun before the first turn: at most the engine's one answer can have arrived since.
    if (step >= 1 && !m_CurrentNode && m_Turns.size() == 1) {
        m_CurrentNode = m_Turns.front().get();
        const GTPGoMove& move = m_CurrentNode->Move();
        if (!move.IsPass() && move.Point()) {
            additions.push_back(move);
        }
    }
    if (step < 0) {
        stepBack(-step, removals, additions);
    } else if (step > 0) {
        stepForward(step, removals, additions);
    }
}

void GTPGoGame::stepBack(std::int32_t steps, std::vector<GTPGoPoint>& removals, std::vector<GTPGoMove>& additions)
{
    if (!m_CurrentNode) {
        return;
    }
    for (std::int32_t i = 0; i < steps; ++i) {
        GTPGoTurn* turn = m_CurrentNode;
        // The first turn's stone stays: review never shows the board before it.
        if (!turn->PreviousTurn()) {
            continue;
        }
        const GTPGoMove& move = turn->Move();
        if (!move.IsPass() && move.Point()) {
            const GTPGoPoint point = *move.Point();
            removeStoneAt(additions, point);
            removals.push_back(point);
            if (turn->KilledStones()) {
                for (const GTPGoPoint& killed : *turn->KilledStones()) {
                    removePoint(removals, killed);
                    additions.push_back(GTPGoMove::stone(getOppositeColor(move.Color()), killed));
                }
            }
        }
        m_CurrentNode = turn->PreviousTurn();
    }
}

void GTPGoGame::stepForward(std::int32_t steps, std::vector<GTPGoPoint>& removals, std::vector<GTPGoMove>& additions)
{
    if (!m_CurrentNode) {
        return;
    }
    for (std::int32_t i = 0; i < steps; ++i) {
        if (m_CurrentNode->NextTurns().empty()) {
            continue;
        }
        m_CurrentNode = m_CurrentNode->NextTurns().front();
        const GTPGoMove& move = m_CurrentNode->Move();
        if (move.IsPass() || !move.Point()) {
            continue;
        }
        const GTPGoPoint point = *move.Point();
        removePoint(removals, point);
        additions.push_back(GTPGoMove::stone(move.Color(), point));
        if (m_CurrentNode->KilledStones()) {
            for (const GTPGoPoint& killed : *m_CurrentNode->KilledStones()) {
                removeStoneAt(additions, killed);
                removals.push_back(killed);
            }
        }
    }
}
