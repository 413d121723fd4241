#include "DeadStoneMarking.h"

#include "engine/GTPAnswer.h"
#include "engine/GTPGoEngineWrapper.h"

#include <QPointer>

#include <algorithm>
#include <sstream>

DeadStoneMarking::DeadStoneMarking(GTPGoGame& game, QObject* parent) : QObject(parent), m_Game(game) {}

void DeadStoneMarking::start(GTPGoEngineWrapper* engine)
{
    m_IsMarking = true;
    m_DeadStones.clear();
    recount();
    if (engine == nullptr) {
        return;
    }
    QPointer<DeadStoneMarking> self(this);
    engine->ask(QStringLiteral("known_command final_status_list"), [self, engine](const auto& known) {
        if (self && known && known->find("true") != std::string::npos) {
            engine->ask(QStringLiteral("final_status_list dead"), [self](const auto& dead) {
                if (self) {
                    self->markEngineDeadStones(dead.value_or(std::string()));
                }
            });
        }
    });
}

void DeadStoneMarking::clear()
{
    m_IsMarking = false;
    m_DeadStones.clear();
}

std::vector<GTPGoPoint> DeadStoneMarking::accept()
{
    // The record already holds the count of these marks.
    m_IsMarking = false;
    return deadStones();
}

void DeadStoneMarking::markEngineDeadStones(const std::string& vertices)
{
    if (!m_IsMarking) {
        return;
    }
    std::istringstream words(vertices);
    for (std::string word; words >> word;) {
        const std::optional<std::int32_t> column = GTPAnswer::columnOfLetter(word.front());
        const GTPGoPoint point(column.value_or(0), std::atoi(word.c_str() + 1));
        if (column && !m_Game.Board().isPointFree(point) && m_Game.Board().isOnBoard(point)) {
            m_DeadStones.insert(point);
        }
    }
    recount();
}

void DeadStoneMarking::toggleGroup(const GTPGoPoint& point)
{
    const auto stone = m_Game.Board().Stones().find(point);
    if (stone == m_Game.Board().Stones().end()) {
        return;
    }
    std::vector<GTPGoPoint> group;
    std::vector<GTPGoPoint> liberties;
    m_Game.Board().getGroupLiberties(point, stone->second, group, liberties);
    const bool dead = !m_DeadStones.contains(point);
    for (const GTPGoPoint& member : group) {
        dead ? (void)m_DeadStones.insert(member) : (void)m_DeadStones.erase(member);
    }
    recount();
}

void DeadStoneMarking::recount()
{
    m_Game.acceptAreaCount(deadStones());
    emit Changed();
}

std::int32_t DeadStoneMarking::deadStonesOf(GTPGoColor color) const
{
    const auto& stones = m_Game.Board().Stones();
    return static_cast<std::int32_t>(std::count_if(m_DeadStones.begin(), m_DeadStones.end(), [&](const GTPGoPoint& p) {
        const auto stone = stones.find(p);
        return stone != stones.end() && stone->second == color;
    }));
}
