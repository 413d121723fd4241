#include "BoardMessages.h"

#include <cstdio>
#include <vector>

BoardMessages::BoardMessages(const std::string& language) : m_IsFrench(language == "Français") {}

const std::string& BoardMessages::pick(const std::string& english, const std::string& french) const
{
    return m_IsFrench ? french : english;
}

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

std::string BoardMessages::refusal(GTPGoMoveMessage code) const
{
    static const std::string ko = "You can't capture back right away! This is the Ko rule.";
    static const std::string koFr = "Tu ne peux pas reprendre tout de suite ! C'est la règle du Ko.";
    static const std::string occupied = "There is already a stone here!";
    static const std::string occupiedFr = "Il y a déjà une pierre ici !";
    static const std::string suicide = "You can't play here, it's a suicide move!";
    static const std::string suicideFr = "Tu ne peux pas jouer ici, c'est un suicide !";
    static const std::string unknown = "An unknown error occurred.";
    static const std::string unknownFr = "Une erreur inconnue s'est produite.";
    switch (code) {
    case GTPGoMessageNotYourTurn:
        return "";
    case GTPGoMessageKo:
        return pick(ko, koFr);
    case GTPGoMessageOccupied:
        return pick(occupied, occupiedFr);
    case GTPGoMessageSuicide:
        return pick(suicide, suicideFr);
    default:
        return pick(unknown, unknownFr);
    }
}

bool BoardMessages::marksRefusedPoint(GTPGoMoveMessage code)
{
    return code == GTPGoMessageKo || code == GTPGoMessageOccupied || code == GTPGoMessageSuicide;
}

std::string BoardMessages::enginePassed() const
{
    static const std::string english = "Pachi passed.";
    static const std::string french = "Pachi a passé.";
    return pick(english, french);
}

std::string BoardMessages::engineResigned() const
{
    static const std::string english = "Pachi resigned.\nYou win!";
    static const std::string french = "Pachi a abandonné.\nTu as gagné !";
    return pick(english, french);
}

std::string BoardMessages::engineLostOnTime() const
{
    static const std::string english = "Pachi ran out of time.\nYou win!";
    static const std::string french = "Pachi a dépassé son temps.\nTu as gagné !";
    return pick(english, french);
}

std::string BoardMessages::engineGaveNoLegalMove() const
{
    static const std::string english = "Pachi did not answer with a legal move.\nYou win!";
    static const std::string french = "Pachi n'a pas répondu par un coup légal.\nTu as gagné !";
    return pick(english, french);
}

std::string BoardMessages::engineNotStarted() const
{
    static const std::string english =
        "The Go engine could not be started.\nInstall GNU Go (package gnugo) or set HOSHI_ENGINE.";
    static const std::string french =
        "Le moteur de Go n'a pas pu être lancé.\nInstalle GNU Go (paquet gnugo) ou définis HOSHI_ENGINE.";
    return pick(english, french);
}

std::string BoardMessages::engineDied() const
{
    static const std::string english = "The Go engine stopped unexpectedly.\nThe game is over.";
    static const std::string french = "Le moteur de Go s'est arrêté inopinément.\nLa partie est terminée.";
    return pick(english, french);
}

std::string BoardMessages::score(double whiteScore, double blackScore) const
{
    double margin = blackScore - whiteScore;
    std::string winner;
    if (margin > 0) {
        winner = m_IsFrench ? "Noir" : "Black";
    } else {
        winner = m_IsFrench ? "Blanc" : "White";
        margin = -margin;
    }
    const std::string header = m_IsFrench ? "Les deux joueurs ont passé.\nLa partie est terminée.\n"
                                          : "Both players have passed.\nThe game is now over.\n";
    // The counts are cut to whole points; the margin keeps its fraction.
    const int white = static_cast<int>(whiteScore);
    const int black = static_cast<int>(blackScore);
    std::vector<char> body(256 + winner.size());
    if (margin != 0) {
        std::snprintf(body.data(), body.size(),
                      m_IsFrench ? "Blanc a %d points et Noir a %d points.\n%s gagne de %.1lf points !"
                                 : "White has %d points and Black has %d points.\n%s wins by %.1lf points!",
                      white, black, winner.c_str(), margin);
    } else {
        std::snprintf(body.data(), body.size(),
                      m_IsFrench ? "Blanc a %d points et Noir a %d points.\nIl y a égalité !"
                                 : "White has %d points and Black has %d points.\nIt's a draw!",
                      white, black);
    }
    return header + body.data();
}

std::string BoardMessages::resignTitle() const
{
    return m_IsFrench ? "Abandonner" : "Resign";
}

std::string BoardMessages::passTitle() const
{
    return m_IsFrench ? "Passer" : "Pass";
}

std::string BoardMessages::reviewTitle() const
{
    return m_IsFrench ? "Revoir les derniers coups" : "Review previous moves";
}
