#include "ClockText.h"

std::string formatSecondsToMinutesAndSeconds(std::int32_t s)
{
    const std::int32_t minutes = s / 60;
    const std::int32_t seconds = s - 60 * minutes;
    std::string text = s < 600 ? "0" : "";
    text += std::to_string(minutes);
    text += ':';
    text += seconds <= 9 ? "0" : "";
    text += std::to_string(seconds);
    return text;
}
