#pragma once

#include "GTPTimeSettings.h"

#include <cstdint>
#include <functional>

// Both sides' time: main time, then byo-yomi periods. The clock has no timer;
// it advances only when update() or onMovePlayed() is called. Colours are the
// GTPGoColor numbers: 0 selects Black, any other value White.
class GTPGoClock {
public:
    // Seconds of a monotonic clock. Tests pass their own to move time by hand.
    using TimeSource = std::function<double()>;
    static double steadySeconds();

    explicit GTPGoClock(const GTPTimeSettings& settings, TimeSource timeSource = &GTPGoClock::steadySeconds);

    // Charges the elapsed time to the side to move; true when it has just lost on time.
    bool update(std::int64_t color);
    void onMovePlayed(std::int64_t color);
    double getRemainingTime(std::int64_t color) const;
    double getWhiteRemainingTime() const;
    double getBlackRemainingTime() const;
    std::int32_t getRemainingByoYomiMoves(std::int64_t color) const;
    // The clock keeps running during review: these change nothing.
    void pause() {}
    void unpause() {}

    bool BlackInfiniteTime() const { return m_BlackInfiniteTime; }
    void setBlackInfiniteTime(bool v) { m_BlackInfiniteTime = v; }
    bool WhiteInfiniteTime() const { return m_WhiteInfiniteTime; }
    void setWhiteInfiniteTime(bool v) { m_WhiteInfiniteTime = v; }
    bool CanLoseOnTime() const { return m_CanLoseOnTime; }
    void setCanLoseOnTime(bool v) { m_CanLoseOnTime = v; }
    GTPTimeSettings& BlackTime() { return m_BlackTime; }
    const GTPTimeSettings& BlackTime() const { return m_BlackTime; }
    GTPTimeSettings& WhiteTime() { return m_WhiteTime; }
    const GTPTimeSettings& WhiteTime() const { return m_WhiteTime; }
    GTPTimeSettings& OriginalTime() { return m_OriginalTime; }
    const GTPTimeSettings& OriginalTime() const { return m_OriginalTime; }
    double StartingTime() const { return m_StartingTime; }
    void setStartingTime(double v) { m_StartingTime = v; }

private:
    GTPTimeSettings& budget(std::int64_t color);
    const GTPTimeSettings& budget(std::int64_t color) const;
    bool infiniteTime(std::int64_t color) const;

    TimeSource m_TimeSource;
    bool m_BlackInfiniteTime = false;
    bool m_WhiteInfiniteTime = false;
    bool m_CanLoseOnTime = true;
    GTPTimeSettings m_BlackTime;
    GTPTimeSettings m_WhiteTime;
    GTPTimeSettings m_OriginalTime;
    double m_StartingTime = 0.0;
};
