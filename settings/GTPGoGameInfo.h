#pragma once

#include "GTPGoCounting.h"
#include "GTPTimeSettings.h"

#include <cstdint>

// The settings of one game. Every game is 9 x 9, with komi 0 unless counted by area.
class GTPGoGameInfo {
public:
    // What the setup screen offers, and what remembered settings may hold.
    static constexpr std::int32_t MaximumHandicap = 9;
    static constexpr std::int32_t MaximumMinutes = 15;

    GTPGoGameInfo() = default;
    // Handicap stones and main time in whole seconds.
    GTPGoGameInfo(std::int32_t handicap, std::int32_t duration);

    std::int32_t BoardSize() const { return m_BoardSize; }
    void setBoardSize(std::int32_t v) { m_BoardSize = v; }
    float Komi() const { return m_Komi; }
    void setKomi(float v) { m_Komi = v; }
    std::int32_t Handicap() const { return m_Handicap; }
    void setHandicap(std::int32_t v) { m_Handicap = v; }
    const GTPTimeSettings& TimeSettings() const { return m_TimeSettings; }
    GTPTimeSettings& TimeSettings() { return m_TimeSettings; }
    void setTimeSettings(const GTPTimeSettings& v) { m_TimeSettings = v; }
    // The opponent's strength step where the engine takes one, by its number
    // (OpponentStrength::byNumber, 1 the weakest); 0: the engine's own strength.
    std::int32_t Level() const { return m_Level; }
    void setLevel(std::int32_t v) { m_Level = v; }
    GTPGoCounting Counting() const { return m_Counting; }
    // Area counting comes with its komi: 7, or 0.5 with a handicap.
    void setCounting(GTPGoCounting v);

private:
    std::int32_t m_BoardSize = 9;
    float m_Komi = 0.0f;
    std::int32_t m_Handicap = 0;
    GTPTimeSettings m_TimeSettings;
    std::int32_t m_Level = 0;
    GTPGoCounting m_Counting = GTPGoCounting::Stones;
};
