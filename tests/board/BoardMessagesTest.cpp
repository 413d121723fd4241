// Every text of the board screen, in both languages: the one place they are written out.
#include "board/BoardMessages.h"
#include "tests/support/QtPrinters.h"
#include "translations/Translations.h"

#include <gtest/gtest.h>

#include <functional>

TEST(BoardMessages, everyTextInEnglishAndFrench)
{
    const BoardMessages m(QStringLiteral("GNU Go"));
    // A refusal's text, then its log line.
    const auto refusal = [](GTPGoMoveMessage code) {
        return [code] { return BoardMessages::refusal(code) + '|' + BoardMessages::refusalLogLine(code).c_str(); };
    };
    const auto score = [](double white, double black) { return [=] { return BoardMessages::score(white, black); }; };
    const QString over = "Both players have passed.\nThe game is now over.\n";
    const QString finie = "Les deux joueurs ont passé.\nLa partie est terminée.\n";
    const struct {
        std::function<QString()> text;
        QString english, french;
    } rows[] = {
        {refusal(GTPGoMessageKo), "You can't capture back right away! This is the Ko rule.|Ko threat first",
         "Tu ne peux pas reprendre tout de suite ! C'est la règle du Ko.|Ko threat first"},
        {refusal(GTPGoMessageOccupied), "There is already a stone here!|Already a stone",
         "Il y a déjà une pierre ici !|Already a stone"},
        {refusal(GTPGoMessageSuicide), "You can't play here, it's a suicide move!|That's suicide!",
         "Tu ne peux pas jouer ici, c'est un suicide !|That's suicide!"},
        {refusal(GTPGoMessageNotYourTurn), "|Not your turn!", "|Not your turn!"},
        {refusal(GTPGoMessageNotAtEnd), "An unknown error occurred.|Unknown error!",
         "Une erreur inconnue s'est produite.|Unknown error!"},
        {[&] { return m.enginePassed(); }, "GNU Go passed.", "GNU Go a passé."},
        {[&] { return m.engineResigned(); }, "GNU Go resigned.\nYou win!", "GNU Go a abandonné.\nTu as gagné !"},
        {[&] { return m.engineLostOnTime(); }, "GNU Go ran out of time.\nYou win!",
         "GNU Go a dépassé son temps.\nTu as gagné !"},
        {[&] { return m.engineGaveNoLegalMove(); }, "GNU Go did not answer with a legal move.\nYou win!",
         "GNU Go n'a pas répondu par un coup légal.\nTu as gagné !"},
        {&BoardMessages::engineNotStarted,
         "The Go engine could not be started.\nInstall GNU Go (package gnugo) or set HOSHI_ENGINE.",
         "Le moteur de Go n'a pas pu être lancé.\nInstalle GNU Go (paquet gnugo) ou définis HOSHI_ENGINE."},
        {&BoardMessages::engineDied, "The Go engine stopped unexpectedly.\nThe game is over.",
         "Le moteur de Go s'est arrêté inopinément.\nLa partie est terminée."},
        {score(1, 2), over + "White has 1 points and Black has 2 points.\nBlack wins by 1.0 points!",
         finie + "Blanc a 1 points et Noir a 2 points.\nNoir gagne de 1.0 points !"},
        // A half point from komi keeps its decimal; a whole count stays whole.
        {score(3.5, 1), over + "White has 3.5 points and Black has 1 points.\nWhite wins by 2.5 points!",
         finie + "Blanc a 3.5 points et Noir a 1 points.\nBlanc gagne de 2.5 points !"},
        {score(4, 4), over + "White has 4 points and Black has 4 points.\nIt's a draw!",
         finie + "Blanc a 4 points et Noir a 4 points.\nIl y a égalité !"},
        {[] { return BoardMessages::marking(31.5, 40); },
         "White has 31.5 points and Black has 40 points.\n"
         "Click groups to mark them dead or alive, then press Pass to accept the count.",
         "Blanc a 31.5 points et Noir a 40 points.\n"
         "Clique sur les groupes pour les marquer morts ou vivants, puis appuie sur Passer pour accepter le décompte."},
        {&BoardMessages::resignTitle, "Resign", "Abandonner"},
        {&BoardMessages::passTitle, "Pass", "Passer"},
        {&BoardMessages::reviewTitle, "Review previous moves", "Revoir les derniers coups"},
    };
    for (const QString& language : {QStringLiteral("Français"), QStringLiteral("English")}) {
        Translations::install(language);
        for (const auto& row : rows) {
            EXPECT_EQ(row.text(), language == "English" ? row.english : row.french);
        }
    }
}
