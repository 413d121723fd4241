#include "GTPEngineSynchroniser.h"

#include <algorithm>

GTPEngineSynchroniser::GTPEngineSynchroniser(GTPGoEngineWrapper& engine, const GTPGoGameInfo& gameInfo,
                                             QObject* parent)
    : QObject(parent), m_Engine(engine), m_GameInfo(gameInfo)
{
    connect(&m_Engine, &GTPGoEngineWrapper::UndoRefused, this, &GTPEngineSynchroniser::undoRefused);
}

void GTPEngineSynchroniser::restart(const std::vector<GTPGoMove>& moves)
{
    m_Engine.clearBoard();
    m_Engine.setGameInfo(m_GameInfo);
    m_Known.clear();
    m_Target = moves;
    for (const GTPGoMove& move : moves) {
        play(move);
    }
}

void GTPEngineSynchroniser::synchronise(const std::vector<GTPGoMove>& moves)
{
    m_Target = moves;
    const auto shared = std::ranges::mismatch(m_Known, moves).in1 - m_Known.begin();
    const auto undos = static_cast<std::ptrdiff_t>(m_Known.size()) - shared;
    if (undos > 0 && !m_CanUndo) {
        restart(moves);
        return;
    }
    for (std::ptrdiff_t i = 0; i < undos; ++i) {
        m_Engine.undo();
        m_Known.pop_back();
    }
    for (auto move = moves.begin() + shared; move != moves.end(); ++move) {
        play(*move);
    }
}

void GTPEngineSynchroniser::enginePlayed(const GTPGoMove& move)
{
    m_Known.push_back(move);
    m_Target = m_Known;
}

void GTPEngineSynchroniser::play(const GTPGoMove& move)
{
    if (move.IsPass()) {
        m_Engine.pass(move.Color());
    } else {
        m_Engine.playMove(move.Color(), move.Point()->X(), move.Point()->Y());
    }
    m_Known.push_back(move);
}

void GTPEngineSynchroniser::undoRefused()
{
    // The undos sent together are refused together: the first refusal replays the game, the others find it done.
    if (!m_CanUndo) {
        return;
    }
    m_CanUndo = false;
    restart(m_Target);
    emit Restarted();
}
