#include "GTPGoClock.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace {
constexpr std::int64_t kBlack = 0;
}

double GTPGoClock::steadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

GTPGoClock::GTPGoClock(const GTPTimeSettings& settings, TimeSource timeSource)
    : m_TimeSource(timeSource ? std::move(timeSource) : TimeSource(&GTPGoClock::steadySeconds))
    , m_BlackTime(settings)
    , m_WhiteTime(settings)
    , m_OriginalTime(settings)
    , m_StartingTime(m_TimeSource())
{
}

GTPTimeSettings& GTPGoClock::budget(std::int64_t color)
{
    return color == kBlack ? m_BlackTime : m_WhiteTime;
}

const GTPTimeSettings& GTPGoClock::budget(std::int64_t color) const
{
    return color == kBlack ? m_BlackTime : m_WhiteTime;
}

bool GTPGoClock::infiniteTime(std::int64_t color) const
{
    return color == kBlack ? m_BlackInfiniteTime : m_WhiteInfiniteTime;
}

bool GTPGoClock::update(std::int64_t color)
{
    GTPTimeSettings& time = budget(color);
    const double mainTime = time.MainTime();
    const double elapsed = m_TimeSource() - m_StartingTime;
    double remaining;
    if (mainTime > 0) {
        time.setMainTime(mainTime - elapsed);
        if (time.MainTime() < 0) {
            // Main time is over: a full period starts; the overshoot is not charged to it.
            time.setByoYomi(m_OriginalTime.ByoYomi());
            remaining = time.ByoYomi();
        } else {
            remaining = time.MainTime();
        }
    } else {
        time.setByoYomi(time.ByoYomi() - elapsed);
        remaining = time.ByoYomi();
    }
    m_StartingTime = m_TimeSource();
    // Lost only once the period is a whole second past zero.
    return std::trunc(remaining) < 0 && !infiniteTime(color) && m_CanLoseOnTime;
}

void GTPGoClock::onMovePlayed(std::int64_t color)
{
    const double now = m_TimeSource();
    GTPTimeSettings& time = budget(color);
    const double mainTime = time.MainTime();
    time.setByoYomi(time.ByoYomi() - (now - m_StartingTime));
    if (mainTime <= 0) {
        time.setNumberOfMovesPerByoYomi(time.NumberOfMovesPerByoYomi() - 1);
        if (time.NumberOfMovesPerByoYomi() < 1) {
            time.setByoYomi(m_OriginalTime.ByoYomi());
            time.setNumberOfMovesPerByoYomi(m_OriginalTime.NumberOfMovesPerByoYomi());
        }
    }
    m_StartingTime = now;
}

double GTPGoClock::getRemainingTime(std::int64_t color) const
{
    const GTPTimeSettings& time = budget(color);
    if (time.MainTime() > 0) {
        return time.MainTime();
    }
    if (time.ByoYomi() > 0) {
        return time.ByoYomi();
    }
    return 0.0;
}

double GTPGoClock::getWhiteRemainingTime() const
{
    return getRemainingTime(1);
}

double GTPGoClock::getBlackRemainingTime() const
{
    return getRemainingTime(kBlack);
}

std::int32_t GTPGoClock::getRemainingByoYomiMoves(std::int64_t color) const
{
    const GTPTimeSettings& time = budget(color);
    return time.MainTime() > 0 ? 0 : time.NumberOfMovesPerByoYomi();
}
