#pragma once

// How a game ended by two passes is counted.
enum class GTPGoCounting {
    Stones, // the stones on the board, komi 0
    Area,   // stones and the empty points each side surrounds, dead stones taken off; komi 7, 0.5 with handicap
};
