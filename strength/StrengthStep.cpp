#include "StrengthStep.h"

std::vector<std::string> StrengthStep::arguments() const
{
    return {"--level", std::to_string(Level)};
}
