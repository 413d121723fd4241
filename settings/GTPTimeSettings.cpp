#include "GTPTimeSettings.h"

GTPTimeSettings::GTPTimeSettings(std::int32_t seconds)
    : m_MainTime(seconds)
{
}
