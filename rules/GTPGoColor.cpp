#include "GTPGoColor.h"

GTPGoColor getOppositeColor(GTPGoColor color)
{
    return color == GTPGoColorEmpty ? GTPGoColorEmpty : (color ^ 1);
}

std::string getColorName(GTPGoColor color)
{
    switch (color) {
    case GTPGoColorBlack: return "Black";
    case GTPGoColorWhite: return "White";
    case GTPGoColorEmpty: return "Empty";
    default: return "Unknown color";
    }
}
