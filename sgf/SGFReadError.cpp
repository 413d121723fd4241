#include "SGFReadError.h"

namespace {
std::string refusalReason(GTPGoMoveMessage refusal, const std::string& move)
{
    switch (refusal) {
    case GTPGoMessageOccupied:
        return "the point is occupied";
    case GTPGoMessageSuicide:
        return "it would be suicide";
    case GTPGoMessageKo:
        return "it retakes the ko at once";
    case GTPGoMessageNotYourTurn:
        return move.starts_with("B") ? "it is White's turn" : "it is Black's turn";
    default:
        return "the rules refuse it";
    }
}
}

std::string SGFReadError::message() const
{
    const std::string move = "Move " + std::to_string(MoveNumber) + " (" + Detail + ")";
    switch (Kind) {
    case Kind::None:
        return "";
    case Kind::NotSGF:
        return "This is not an SGF file: it holds no game tree \"(;\".";
    case Kind::Truncated:
        return "The file is cut short: a bracket or parenthesis is never closed.";
    case Kind::Malformed:
        return "The file is damaged: unexpected character at byte " + Detail + ".";
    case Kind::NotGo:
        return "The file holds a game other than Go (GM[" + Detail + "]).";
    case Kind::BoardSize:
        return "The board is " + Detail + "; hoshi plays on 9 × 9 only.";
    case Kind::BadValue:
        return "The value " + Detail + " is not understood.";
    case Kind::Handicap:
        return "A handicap of " + Detail + " stones is not supported; hoshi places 2 to 9.";
    case Kind::UnsupportedSetup:
        return "The game starts from a position set up with " + Detail
            + "; hoshi can only set up its own handicap stones.";
    case Kind::OffBoard:
        return move + " is not a point of the 9 × 9 board.";
    case Kind::IllegalMove:
        return move + " is not legal: " + refusalReason(Refusal, Detail) + ".";
    case Kind::MoveAfterEnd:
        return move + " comes after the game ended with two passes.";
    case Kind::TooLarge:
        return "The file is too large to be a game record (more than " + Detail + " bytes).";
    }
    return "";
}
