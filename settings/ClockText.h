#pragma once

#include <cstdint>
#include <string>

// What the clock of a side without a time limit shows.
inline constexpr char kNoClockText[] = "--:--";

// "MM:SS" with at least two digits of minutes: 65 gives "01:05", 6000 "100:00".
std::string formatSecondsToMinutesAndSeconds(std::int32_t seconds);
