#pragma once

// How a game ended. A game ended by two passes also has a Result with the count.
enum class GTPGoGameEnd {
    None,        // still going, or left unfinished
    TwoPasses,
    Resignation,
    Time,
    Forfeit,     // the engine answered with no legal move
    Void,        // ended without a winner: the engine could not go on
};
