#pragma once

#include "rules/GTPGoMoveMessage.h"

#include <QCoreApplication>
#include <QString>

// The texts the board screen shows, in the installed language (Translations).
// Texts about the opponent name the engine that plays.
class BoardMessages {
    Q_DECLARE_TR_FUNCTIONS(BoardMessages)
public:
    explicit BoardMessages(const QString& engineName) : m_EngineName(engineName) {}

    // The log line for a refused move; never translated.
    static std::string refusalLogLine(GTPGoMoveMessage code);
    // The message area's text for a refused move ("" when not the player's turn).
    static QString refusal(GTPGoMoveMessage code);
    // Whether the refused point is marked with the red cross.
    static bool marksRefusedPoint(GTPGoMoveMessage code);

    QString enginePassed() const;
    QString engineResigned() const;
    QString engineLostOnTime() const;
    QString engineGaveNoLegalMove() const;
    static QString engineNotStarted();
    static QString engineDied();

    // The final score: White's and Black's counts, the winner and the margin, or a draw.
    static QString score(double whiteScore, double blackScore);
    // While dead stones are marked: the count so far and how to finish.
    static QString marking(double whiteScore, double blackScore);

    static QString resignTitle();
    static QString passTitle();
    static QString reviewTitle();

private:
    // Both counts: a whole one as an integer, a half point (from komi) with its decimal.
    static QString counts(double whiteScore, double blackScore);

    QString m_EngineName;
};
