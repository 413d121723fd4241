#pragma once

#include "rules/GTPGoColor.h"
#include "rules/GTPGoPoint.h"
#include "rules/GTPGoTurn.h"

#include <QCoreApplication>
#include <QString>

// What a screen reader says about the board, in the installed language.
// Points are named with the board's own labels: A–I from the left, 1–9 from
// the bottom.
class BoardSpeech {
    Q_DECLARE_TR_FUNCTIONS(BoardSpeech)
public:
    static QString boardName();
    // "E5".
    static QString point(const GTPGoPoint& point);
    // "E5, black stone", "D4, empty".
    static QString pointName(const GTPGoPoint& point, GTPGoColor shown);
    // "Black E5", "White D4, captures 2", "White passes".
    static QString move(const GTPGoTurn& turn);
    // In review, the position shown: "Move 3: Black E5", or "No move yet".
    static QString reviewPosition(const GTPGoTurn* shown);
    static QString reviewLeft();
    // After a take back, whose turn it is again.
    static QString takenBack(GTPGoColor toPlay);
    // "Refused: There is already a stone here!"
    static QString refused(const QString& message);
    // The message area's text as one line.
    static QString message(const QString& shown);
    // A field of the info column, by its object name, with what it shows:
    // "White's clock: 04:32", "Black's prisoners: 2". Other fields say only what they show.
    static QString field(const QString& objectName, const QString& shown);
};
