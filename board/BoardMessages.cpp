#include "BoardMessages.h"

#include <cmath>

std::string BoardMessages::refusalLogLine(GTPGoMoveMessage code)
{
    switch (code) {
    case GTPGoMessageNotYourTurn:
        return "Not your turn!";
    case GTPGoMessageKo:
        return "Ko threat first";
    case GTPGoMessageOccupied:
        return "Already a stone";
    case GTPGoMessageSuicide:
        return "That's suicide!";
    default:
        return "Unknown error!";
    }
}

QString BoardMessages::refusal(GTPGoMoveMessage code)
{
    switch (code) {
    case GTPGoMessageNotYourTurn:
        return QString();
    case GTPGoMessageKo:
        return tr("You can't capture back right away! This is the Ko rule.");
    case GTPGoMessageOccupied:
        return tr("There is already a stone here!");
    case GTPGoMessageSuicide:
        return tr("You can't play here, it's a suicide move!");
    default:
        return tr("An unknown error occurred.");
    }
}

bool BoardMessages::marksRefusedPoint(GTPGoMoveMessage code)
{
    return code == GTPGoMessageKo || code == GTPGoMessageOccupied || code == GTPGoMessageSuicide;
}

QString BoardMessages::enginePassed() const
{
    //: %1 is the engine's name, e.g. GNU Go
    return tr("%1 passed.").arg(m_EngineName);
}

QString BoardMessages::engineResigned() const
{
    return tr("%1 resigned.\nYou win!").arg(m_EngineName);
}

QString BoardMessages::engineLostOnTime() const
{
    return tr("%1 ran out of time.\nYou win!").arg(m_EngineName);
}

QString BoardMessages::engineGaveNoLegalMove() const
{
    return tr("%1 did not answer with a legal move.\nYou win!").arg(m_EngineName);
}

QString BoardMessages::engineNotStarted()
{
    return tr("The Go engine could not be started.\nInstall GNU Go (package gnugo) or set HOSHI_ENGINE.");
}

QString BoardMessages::engineDied()
{
    return tr("The Go engine stopped unexpectedly.\nThe game is over.");
}

QString BoardMessages::score(double whiteScore, double blackScore)
{
    const double margin = blackScore - whiteScore;
    QString outcome;
    if (margin > 0) {
        outcome = tr("Black wins by %1 points!").arg(margin, 0, 'f', 1);
    } else if (margin < 0) {
        outcome = tr("White wins by %1 points!").arg(-margin, 0, 'f', 1);
    } else {
        outcome = tr("It's a draw!");
    }
    return tr("Both players have passed.\nThe game is now over.") + '\n' + counts(whiteScore, blackScore) + '\n'
        + outcome;
}

QString BoardMessages::marking(double whiteScore, double blackScore)
{
    return counts(whiteScore, blackScore) + '\n'
        + tr("Click groups to mark them dead or alive, then press Pass to accept the count.");
}

QString BoardMessages::counts(double whiteScore, double blackScore)
{
    const auto points = [](double score) {
        return score == std::trunc(score) ? QString::number(static_cast<int>(score)) : QString::number(score, 'f', 1);
    };
    return tr("White has %1 points and Black has %2 points.").arg(points(whiteScore), points(blackScore));
}

QString BoardMessages::resignTitle()
{
    return tr("Resign");
}

QString BoardMessages::passTitle()
{
    return tr("Pass");
}

QString BoardMessages::reviewTitle()
{
    return tr("Review previous moves");
}
