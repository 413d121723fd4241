#include "GTPGoGameInfo.h"

GTPGoGameInfo::GTPGoGameInfo(std::int32_t handicap, std::int32_t duration)
    : m_Handicap(handicap)
    , m_TimeSettings(duration)
{
}

void GTPGoGameInfo::setCounting(GTPGoCounting v)
{
    m_Counting = v;
    m_Komi = v == GTPGoCounting::Stones ? 0.0f : m_Handicap > 0 ? 0.5f : 7.0f;
}
