#pragma once

#include <cstdint>

// Result codes written by GTPGoGame::playMove when it refuses a move.
using GTPGoMoveMessage = std::int64_t;

inline constexpr GTPGoMoveMessage GTPGoMessageNone = 0;
inline constexpr GTPGoMoveMessage GTPGoMessageNotYourTurn = 1;
inline constexpr GTPGoMoveMessage GTPGoMessageKo = 2;
inline constexpr GTPGoMoveMessage GTPGoMessageOccupied = 3;
inline constexpr GTPGoMoveMessage GTPGoMessageSuicide = 4;
inline constexpr GTPGoMoveMessage GTPGoMessageNotAtEnd = 5;
