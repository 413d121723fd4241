#pragma once

#include "rules/GTPGoMoveMessage.h"

#include <string>

// The texts the play controller shows and logs, in English or French.
// "Français" selects French; any other language name gives English.
class BoardMessages {
public:
    explicit BoardMessages(const std::string& language);

    bool IsFrench() const { return m_IsFrench; }

    // The log line for a refused move.
    static std::string refusalLogLine(GTPGoMoveMessage code);
    // The message area's text for a refused move ("" when not the player's turn).
    std::string refusal(GTPGoMoveMessage code) const;
    // Whether the refused point is marked with the red cross.
    static bool marksRefusedPoint(GTPGoMoveMessage code);

    std::string enginePassed() const;
    std::string engineResigned() const;
    std::string engineLostOnTime() const;
    std::string engineGaveNoLegalMove() const;
    std::string engineNotStarted() const;
    std::string engineDied() const;

    // The final score: White's and Black's counts, the winner and the margin, or a draw.
    std::string score(double whiteScore, double blackScore) const;

    std::string resignTitle() const;
    std::string passTitle() const;
    std::string reviewTitle() const;

private:
    const std::string& pick(const std::string& english, const std::string& french) const;

    bool m_IsFrench;
};
