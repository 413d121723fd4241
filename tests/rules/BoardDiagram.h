#pragma once

#include "rules/GTPGoBoard.h"

#include <initializer_list>
#include <string>

// Stones from a picture of the board's lower-left corner: rows from top to
// bottom (the last row is Y = 1), columns from X = 1. 'X' is black, 'O'
// white, '.' empty; spaces are ignored.
GTPGoBoard::StoneMap stonesFromDiagram(std::initializer_list<std::string> rows);
