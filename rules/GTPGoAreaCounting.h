#pragma once

#include "GTPGoBoard.h"
#include "GTPGoPoint.h"

#include <vector>

// Area count: the dead stones are taken off first; each side then scores its
// stones plus every empty region (4-connected) that touches only its stones.
// Regions touching both colours, or none, count for nobody; komi goes to White.
// Dead stones listed on empty or off-board points are ignored. Boards larger
// than 25 x 25 (GTP's limit) are not counted: one log line, komi : 0.
void areaCounting(const GTPGoBoard& board, const std::vector<GTPGoPoint>& deadStones, double komi,
                  double& whiteScore, double& blackScore);
