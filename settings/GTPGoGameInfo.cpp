#include "GTPGoGameInfo.h"

GTPGoGameInfo::GTPGoGameInfo(std::int32_t handicap, std::int32_t duration)
    : m_Handicap(handicap)
    , m_TimeSettings(duration)
{
}
