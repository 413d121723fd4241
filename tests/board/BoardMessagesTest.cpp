// Every text of the board screen, in both languages: the one place they are written out.
#include "board/BoardMessages.h"
#include "rules/GTPGoMoveMessage.h"

#include <gtest/gtest.h>

#include <functional>

TEST(BoardMessages, everyTextInEnglishAndFrench)
{
    const struct {
        std::function<std::string(const BoardMessages&)> text;
        const char* english;
        const char* french;
    } rows[] = {
        {[](auto& m) { return m.refusal(GTPGoMessageKo); }, "You can't capture back right away! This is the Ko rule.",
         "Tu ne peux pas reprendre tout de suite ! C'est la règle du Ko."},
        {[](auto& m) { return m.refusal(GTPGoMessageOccupied); }, "There is already a stone here!",
         "Il y a déjà une pierre ici !"},
        {[](auto& m) { return m.refusal(GTPGoMessageSuicide); }, "You can't play here, it's a suicide move!",
         "Tu ne peux pas jouer ici, c'est un suicide !"},
        {[](auto& m) { return m.refusal(GTPGoMessageNotYourTurn); }, "", ""},
        {[](auto& m) { return m.refusal(GTPGoMessageNotAtEnd); }, "An unknown error occurred.",
         "Une erreur inconnue s'est produite."},
        {[](auto& m) { return m.enginePassed(); }, "Pachi passed.", "Pachi a passé."},
        {[](auto& m) { return m.engineResigned(); }, "Pachi resigned.\nYou win!", "Pachi a abandonné.\nTu as gagné !"},
        {[](auto& m) { return m.engineLostOnTime(); }, "Pachi ran out of time.\nYou win!",
         "Pachi a dépassé son temps.\nTu as gagné !"},
        {[](auto& m) { return m.engineGaveNoLegalMove(); }, "Pachi did not answer with a legal move.\nYou win!",
         "Pachi n'a pas répondu par un coup légal.\nTu as gagné !"},
        {[](auto& m) { return m.engineNotStarted(); },
         "The Go engine could not be started.\nInstall GNU Go (package gnugo) or set HOSHI_ENGINE.",
         "Le moteur de Go n'a pas pu être lancé.\nInstalle GNU Go (paquet gnugo) ou définis HOSHI_ENGINE."},
        {[](auto& m) { return m.engineDied(); }, "The Go engine stopped unexpectedly.\nThe game is over.",
         "Le moteur de Go s'est arrêté inopinément.\nLa partie est terminée."},
        {[](auto& m) { return m.score(1, 2); },
         "Both players have passed.\nThe game is now over.\nWhite has 1 points and Black has 2 points.\n"
         "Black wins by 1.0 points!",
         "Les deux joueurs ont passé.\nLa partie est terminée.\nBlanc a 1 points et Noir a 2 points.\n"
         "Noir gagne de 1.0 points !"},
        // The counts are cut to whole points; the margin keeps its fraction.
        {[](auto& m) { return m.score(3.5, 1); },
         "Both players have passed.\nThe game is now over.\nWhite has 3 points and Black has 1 points.\n"
         "White wins by 2.5 points!",
         "Les deux joueurs ont passé.\nLa partie est terminée.\nBlanc a 3 points et Noir a 1 points.\n"
         "Blanc gagne de 2.5 points !"},
        {[](auto& m) { return m.score(4, 4); },
         "Both players have passed.\nThe game is now over.\nWhite has 4 points and Black has 4 points.\nIt's a draw!",
         "Les deux joueurs ont passé.\nLa partie est terminée.\nBlanc a 4 points et Noir a 4 points.\n"
         "Il y a égalité !"},
        {[](auto& m) { return m.resignTitle(); }, "Resign", "Abandonner"},
        {[](auto& m) { return m.passTitle(); }, "Pass", "Passer"},
        {[](auto& m) { return m.reviewTitle(); }, "Review previous moves", "Revoir les derniers coups"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.text(BoardMessages("English")), row.english);
        EXPECT_EQ(row.text(BoardMessages("Français")), row.french);
    }
    const std::pair<GTPGoMoveMessage, const char*> logLines[] = {
        {GTPGoMessageNotYourTurn, "Not your turn!"}, {GTPGoMessageKo, "Ko threat first"},
        {GTPGoMessageOccupied, "Already a stone"}, {GTPGoMessageSuicide, "That's suicide!"},
        {GTPGoMessageNotAtEnd, "Unknown error!"}};
    for (const auto& [code, line] : logLines) {
        EXPECT_EQ(BoardMessages::refusalLogLine(code), line);
    }
}
