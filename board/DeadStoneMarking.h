#pragma once

#include "rules/GTPGoGame.h"

#include <QObject>

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

class GTPGoEngineWrapper;

// Marking dead stones after two passes in an area-counted game: the engine's
// dead stones come marked first, when it can tell them; a click toggles a
// whole group; the record's result follows the marks, so a game left during
// marking is kept with its count. Once accepted, the marks remain as the
// prisoners they made.
class DeadStoneMarking : public QObject {
    Q_OBJECT
public:
    explicit DeadStoneMarking(GTPGoGame& game, QObject* parent = nullptr);

    // Starts with no mark, then asks the engine (if any) for its dead stones.
    void start(GTPGoEngineWrapper* engine);
    // Forgets every mark: the game goes on (a take back).
    void clear();
    // Marking ends: the dead stones, now the other side's prisoners.
    std::vector<GTPGoPoint> accept();
    bool isMarking() const { return m_IsMarking; }
    void toggleGroup(const GTPGoPoint& point);
    bool isDead(const GTPGoPoint& point) const { return m_DeadStones.contains(point); }
    std::int32_t deadStonesOf(GTPGoColor color) const;

signals:
    // The marks changed, and with them the record's count.
    void Changed();

private:
    void markEngineDeadStones(const std::string& vertices);
    std::vector<GTPGoPoint> deadStones() const { return {m_DeadStones.begin(), m_DeadStones.end()}; }
    void recount();

    GTPGoGame& m_Game;
    bool m_IsMarking = false;
    std::unordered_set<GTPGoPoint> m_DeadStones;
};
