// Marking dead stones after two passes in an area-counted game: the engine's
// dead stones are marked first, when it can tell them; the player's clicks
// toggle whole groups; Pass accepts the count.
#include "BoardView.h"

#include "board/BoardMessages.h"
#include "engine/GTPAnswer.h"

#include <algorithm>
#include <sstream>

void BoardView::startMarking()
{
    m_IsMarking = true;
    m_DeadStones.clear();
    showMarkedCount();
    if (m_GTPEngine != nullptr) {
        m_GTPEngine->ask(QStringLiteral("known_command final_status_list"), [this](const auto& known) {
            if (known && known->find("true") != std::string::npos) {
                m_GTPEngine->ask(QStringLiteral("final_status_list dead"), [this](const auto& dead) {
                    markEngineDeadStones(dead.value_or(std::string()));
                });
            }
        });
    }
    update();
    emit PlayChanged();
}

void BoardView::markEngineDeadStones(const std::string& vertices)
{
    if (!m_IsMarking) {
        return;
    }
    std::istringstream words(vertices);
    for (std::string word; words >> word;) {
        const std::optional<std::int32_t> column = GTPAnswer::columnOfLetter(word.front());
        const GTPGoPoint point(column.value_or(0), std::atoi(word.c_str() + 1));
        if (column && !m_GoGame->Board().isPointFree(point) && m_GoGame->Board().isOnBoard(point)) {
            m_DeadStones.insert(point);
        }
    }
    showMarkedCount();
    update();
}

void BoardView::toggleGroup(const GTPGoPoint& point)
{
    const auto stone = m_GoGame->Board().Stones().find(point);
    if (stone == m_GoGame->Board().Stones().end()) {
        return;
    }
    std::vector<GTPGoPoint> group;
    std::vector<GTPGoPoint> liberties;
    m_GoGame->Board().getGroupLiberties(point, stone->second, group, liberties);
    const bool dead = !m_DeadStones.contains(point);
    for (const GTPGoPoint& member : group) {
        dead ? (void)m_DeadStones.insert(member) : (void)m_DeadStones.erase(member);
    }
    showMarkedCount();
    update();
}

std::vector<GTPGoPoint> BoardView::deadStones() const
{
    return {m_DeadStones.begin(), m_DeadStones.end()};
}

void BoardView::showMarkedCount()
{
    // The record's result follows the marks, so a game left now is kept with this count.
    m_GoGame->acceptAreaCount(deadStones());
    const GTPGoGameResult& result = *m_GoGame->Result();
    showMessage([white = result.WhiteScore(), black = result.BlackScore()] {
        return BoardMessages::marking(white, black);
    });
}

void BoardView::acceptCount()
{
    // The record already holds the count of these marks.
    m_IsMarking = false;
    // The dead stones are the other side's prisoners now, and off the board.
    showChanges(deadStones(), {});
    setScore();
}

std::int32_t BoardView::deadStonesOf(GTPGoColor color) const
{
    const auto& stones = m_GoGame->Board().Stones();
    return static_cast<std::int32_t>(std::count_if(m_DeadStones.begin(), m_DeadStones.end(), [&](const GTPGoPoint& p) {
        const auto stone = stones.find(p);
        return stone != stones.end() && stone->second == color;
    }));
}
