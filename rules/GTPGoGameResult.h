#pragma once

#include "GTPGoColor.h"

// The outcome of a game ended by two passes.
class GTPGoGameResult {
public:
    GTPGoGameResult(GTPGoColor winnerColor, double score, double blackScore, double whiteScore, bool timeout)
        : m_WinnerColor(winnerColor), m_Score(score), m_BlackScore(blackScore), m_WhiteScore(whiteScore), m_Timeout(timeout) {}

    GTPGoColor WinnerColor() const { return m_WinnerColor; }
    void setWinnerColor(GTPGoColor v) { m_WinnerColor = v; }
    double Score() const { return m_Score; }
    void setScore(double v) { m_Score = v; }
    double BlackScore() const { return m_BlackScore; }
    void setBlackScore(double v) { m_BlackScore = v; }
    double WhiteScore() const { return m_WhiteScore; }
    void setWhiteScore(double v) { m_WhiteScore = v; }
    bool Timeout() const { return m_Timeout; }
    void setTimeout(bool v) { m_Timeout = v; }

private:
    GTPGoColor m_WinnerColor;
    double m_Score;
    double m_BlackScore;
    double m_WhiteScore;
    bool m_Timeout;
};
