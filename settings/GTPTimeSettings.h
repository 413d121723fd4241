#pragma once

#include <cstdint>

// One set of time values. Serves both as a setting and as a running budget
// that the clock counts down (main time may then fall below zero).
class GTPTimeSettings {
public:
    GTPTimeSettings() = default;
    // Main time of the given seconds, default byo-yomi and moves.
    explicit GTPTimeSettings(std::int32_t seconds);

    double MainTime() const { return m_MainTime; }
    void setMainTime(double v) { m_MainTime = v; }
    double ByoYomi() const { return m_ByoYomi; }
    void setByoYomi(double v) { m_ByoYomi = v; }
    std::int32_t NumberOfMovesPerByoYomi() const { return m_NumberOfMovesPerByoYomi; }
    void setNumberOfMovesPerByoYomi(std::int32_t v) { m_NumberOfMovesPerByoYomi = v; }

private:
    double m_MainTime = 600.0;
    double m_ByoYomi = 30.0;
    std::int32_t m_NumberOfMovesPerByoYomi = 1;
};
