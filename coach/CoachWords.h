#pragma once

#include "coach/AnalysedMove.h"
#include "coach/CoachAnswers.h"

#include <QCoreApplication>
#include <QString>

// The coach's words in the player's language. Points are named with the
// board's own labels: the ninth column is I on the screen, J in GTP.
class CoachWords {
    Q_DECLARE_TR_FUNCTIONS(CoachWords)
public:
    // "E5", with the screen's column letters.
    static QString point(const GTPGoPoint& point);
    // "about 12 points", "about 1 point".
    static QString points(double value);
    // "1. C3 (about 12 points)", a line for each move.
    static QString hint(const CoachHint& hint);
    // "E4 lost about 6 points. D3 was better: it defends E3 and connects E5 and E3."
    // and, when the move left its stones in atari, "Your stones at D3 can be
    // captured (at E3)."; "" for a move that lost less than a mistake.
    static QString comment(const CoachComment& comment);
    // "E4 lost about 6 points. D3 was better: it defends E3 and connects E5 and E3."
    static QString mistake(const GTPGoMove& played, double loss, const std::optional<GTPGoPoint>& better,
                           const std::vector<MoveReason>& reasons);
    // "Black leads by about 4 points."
    static QString lead(double blackLead);
    // What the best move does, from its reasons: "it defends E3 and connects E5 and E3".
    static QString reasons(const std::vector<MoveReason>& reasons);
    // For a move that lost less than a mistake: "E4: no mistake."
    static QString noMistake(const GTPGoMove& move);
    static QString hintOnYourTurn();
    static QString unavailable();

private:
    static QString reason(const MoveReason& reason);
    static QString move(const GTPGoMove& move);
};
