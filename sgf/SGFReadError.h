#pragma once

#include "rules/GTPGoMoveMessage.h"

#include <cstdint>
#include <string>

// Why a file could not be read. Kind, MoveNumber, Refusal and Detail are
// enough to rebuild the message in any language.
struct SGFReadError {
    enum class Kind {
        None,
        // No game tree "(;" anywhere.
        NotSGF,
        // A value "[" or a game tree "(" is never closed.
        Truncated,
        // A character that has no place there; Detail: its position, 1 for the first byte.
        Malformed,
        // Detail: the GM value.
        NotGo,
        // Detail: "19 × 19".
        BoardSize,
        // Detail: the property as written, e.g. "KM[abc]".
        BadValue,
        // Detail: the number of stones asked for.
        Handicap,
        // Stones set up other than the board's own handicap points; Detail: the
        // property, e.g. "AW".
        UnsupportedSetup,
        // Detail for the move kinds: the move as written, e.g. "W[ee]".
        OffBoard,
        // Refused by the rules; Refusal says why (GTPGoMessageOccupied, ...).
        IllegalMove,
        MoveAfterEnd,
        // Detail: the limit in bytes.
        TooLarge,
    };

    Kind Kind = Kind::None;
    // 1-based, counting passes; 0 when no move is at fault.
    std::int32_t MoveNumber = 0;
    GTPGoMoveMessage Refusal = GTPGoMessageNone;
    std::string Detail;

    // The English message, e.g. "Move 12 (W[ee]) is not legal: the point is occupied."
    std::string message() const;

    bool operator==(const SGFReadError& other) const = default;
};

// The member Kind hides the enum's name outside expressions such as
// SGFReadError::Kind::Truncated: variables and parameters use this name.
using SGFReadErrorKind = enum SGFReadError::Kind;
