#pragma once

#include "rules/GTPGoPoint.h"

#include <vector>

// One line of GNU Go's move_reasons: why a move of the colour last generated
// for is worth playing (or, for Antisuji and Unsafe, why not). Points are the
// stones the line names after the move, in the order written.
struct MoveReason {
    enum class Kind {
        Attacks,              // captures a string by reading: "attacks E5", "attacks E5 (defenseless)"
        Defends,              // saves a string by reading
        ThreatensToAttack,
        ThreatensToDefend,
        OwlAttacks,           // kills a group; a second point is what it captures
        OwlDefends,           // makes a group live; a second point is what it gives up
        OwlThreatensToAttack,
        OwlThreatensToDefend,
        OwlPreventsThreat,
        AttacksAgain,         // a group found dead but not surely, attacked once more
        DefendsAgain,         // a group found alive but not surely, defended once more
        AttacksEither,        // "either attacks A or attacks B"
        DefendsBoth,          // "both defends A and defends B"
        Connects,             // two points
        Cuts,                 // two points
        StrategicallyAttacks,
        StrategicallyDefends,
        WinsSemeai,
        ThreatensToWinSemeai,
        CapturesSomething,
        DefendsAgainstCombination,
        ExpandsTerritory,
        ExpandsMoyo,
        Invades,
        Antisuji,             // a reason not to play
        Unsafe,               // "strategically or tactically unsafe": a reason not to play
        Other,                // a "Move at" line of no known shape; its points as found
    };
    // Whether the attack or defence only works through a ko, and whose ko it is.
    enum class Ko { None, Good, Bad };

    Kind Type;
    GTPGoPoint Move;
    std::vector<GTPGoPoint> Points;
    Ko WithKo = Ko::None;

    bool operator==(const MoveReason& other) const = default;
};
