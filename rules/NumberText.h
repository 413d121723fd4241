#pragma once

#include <string>

// Numbers as programs read them (GTP lines, SGF files, log lines): always a
// decimal point, whatever the desktop's locale says.
std::string fixedDecimal(double value, int decimals);
