#pragma once

#include "engine/GTPGoEngineWrapper.h"
#include "rules/GTPGoMove.h"
#include "settings/GTPGoGameInfo.h"

#include <QObject>

#include <vector>

// Keeps what one GTP engine has been told in step with a game record, and
// brings it to any position of the record: "undo" back to the history both
// share, then the moves that follow; an engine that cannot undo is given the
// whole game again (clear_board, the settings, every move). The opponent's
// take back and resumed games, and the coach following review, all go here.
class GTPEngineSynchroniser : public QObject {
    Q_OBJECT
public:
    GTPEngineSynchroniser(GTPGoEngineWrapper& engine, const GTPGoGameInfo& gameInfo, QObject* parent = nullptr);

    // A new game for the engine: clear_board, the settings, then these moves.
    void restart(const std::vector<GTPGoMove>& moves);
    // Brings the engine to the position after these moves.
    void synchronise(const std::vector<GTPGoMove>& moves);
    // The engine played this itself, in answer to genmove: it knows it already.
    void enginePlayed(const GTPGoMove& move);
    // The moves the engine holds, as far as what was sent tells.
    const std::vector<GTPGoMove>& known() const { return m_Known; }

signals:
    // The engine refused an undo and was given the whole game again.
    void Restarted();

private:
    void play(const GTPGoMove& move);
    void undoRefused();

    GTPGoEngineWrapper& m_Engine;
    GTPGoGameInfo m_GameInfo;
    std::vector<GTPGoMove> m_Known;
    // The position last asked for: the one a replay brings the engine to.
    std::vector<GTPGoMove> m_Target;
    bool m_CanUndo = true;
};
