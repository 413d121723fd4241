// The engine's passes, resignation, time loss and failures, as the player sees them.
#include "../BoardTestHarness.h"

using namespace boardtest;

TEST(EngineEvents, anEnginePassIsAnnouncedAndAPassAfterThePlayersPassEndsWithTheScore)
{
    for (const auto& [language, passed, score] :
         {std::tuple {kEnglish, "Pachi passed.",
                      "Both players have passed.\nThe game is now over.\n"
                      "White has 1 points and Black has 2 points.\nBlack wins by 1.0 points!"},
          std::tuple {kFrench, "Pachi a passé.",
                      "Les deux joueurs ont passé.\nLa partie est terminée.\n"
                      "Blanc a 1 points et Noir a 2 points.\nNoir gagne de 1.0 points !"}}) {
        SCOPED_TRACE(passed);
        Harness harness;
        harness.useFakeEngine({"PASS", "E5", "PASS"});
        auto view = harness.makeView(GTPGoColorBlack, 0, language);
        ASSERT_TRUE(clickAndWaitForAnswer(*view, 2, 2));
        EXPECT_EQ(view->InfoTextField()->text(), QString(passed));
        EXPECT_TRUE(view->LastMove().marksNothing());
        EXPECT_FALSE(view->GoGame().IsGameOver());
        ASSERT_TRUE(clickAndWaitForAnswer(*view, 3, 3));
        EXPECT_EQ(view->InfoTextField()->text(), "") << "the player's move empties the message";
        EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));

        view->PassButton()->click();
        ASSERT_TRUE(waitFor([&] { return view->GoGame().IsGameOver(); }));
        EXPECT_EQ(view->InfoTextField()->text(), QString(score));
        EXPECT_TRUE(view->DisplayCount());
        const QStringList expected = setUpLines({"play B C3", "time_left W 300 0", "genmove W", "play B D4",
                                                 "time_left W 300 0", "genmove W", "play B PASS", "time_left W 300 0",
                                                 "genmove W"});
        EXPECT_EQ(harness.lines(), expected);
        // After the end nothing is played or sent.
        click(*view, 0, 0);
        view->PassButton()->click();
        EXPECT_EQ(view->StoneList().size(), 3u);
        EXPECT_EQ(harness.lines(), expected);
    }
}

TEST(EngineEvents, anAnswerDuringReviewIsDrawnOnlyWhenReviewEnds)
{
    Harness harness;
    harness.useFakeEngine({"E5", "F6"});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(clickAndWaitForAnswer(*view, 2, 2));

    click(*view, 3, 3);
    view->DemonstrationButton()->click();
    ASSERT_TRUE(view->IsDemonstration());
    ASSERT_TRUE(waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));
    EXPECT_EQ(view->GoGame().Turns().size(), 4u) << "the answer is recorded";
    EXPECT_EQ(view->StoneList().count(GoBoardPoint(5, 5)), 0u) << "but not drawn";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(3, 3));

    view->DemonstrationButton()->click();
    EXPECT_EQ(view->StoneList().at(GoBoardPoint(5, 5)), GTPGoColorWhite);
    EXPECT_EQ(view->StoneList().size(), 4u);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(5, 5));
}

TEST(EngineEvents, aPassDuringReviewLeavesTheRingOnTheReviewedMove)
{
    Harness harness;
    harness.useFakeEngine({"E5", "PASS"});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(clickAndWaitForAnswer(*view, 2, 2));
    click(*view, 3, 3);
    view->DemonstrationButton()->click();
    view->BackButton()->click();
    ASSERT_TRUE(waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));
    EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));
}

TEST(EngineEvents, whenATurnEndsBothClocksShowTheirSidesTimeANewPeriodIncluded)
{
    Harness harness;
    harness.useFakeEngine({"E5"});
    // No main time: the engine's first period is the default 30 s, the next ones 5 s.
    auto view = harness.makeView(GTPGoColorBlack, 0, kEnglish, 0);
    click(*view, 2, 2);
    harness.m_Now += 2;
    view->updateClock();
    EXPECT_EQ(view->WhiteTimeTextField()->text(), "00:28");
    ASSERT_TRUE(waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));
    EXPECT_EQ(view->WhiteTimeTextField()->text(), "00:05");
    EXPECT_EQ(view->BlackTimeTextField()->text(), "--:--");
}

TEST(EngineEvents, theEngineLosingOnTimeIsAnnouncedAndItsLateAnswerIsNotPlayed)
{
    for (const auto& [language, text] : {std::pair {kEnglish, "Pachi ran out of time.\nYou win!"},
                                         {kFrench, "Pachi a dépassé son temps.\nTu as gagné !"}}) {
        SCOPED_TRACE(text);
        Harness harness;
        harness.useFakeEngine({"E5"});
        // No main time: the engine, Black, starts in a byo-yomi period of 30 seconds.
        auto view = harness.makeView(GTPGoColorWhite, 0, language, 0);
        harness.m_Now += 29.5;
        view->updateClock();
        EXPECT_FALSE(view->GoGame().IsGameOver());
        EXPECT_EQ(view->InfoTextField()->text(), "");
        harness.m_Now += 1.6;
        view->updateClock();
        EXPECT_TRUE(view->GoGame().IsGameOver());
        EXPECT_EQ(view->InfoTextField()->text(), QString(text));

        // No event was handled before the loss, so the answer comes late.
        ASSERT_TRUE(waitFor([&] { return harness.logged("E5"); }));
        QCoreApplication::processEvents();
        EXPECT_TRUE(view->StoneList().empty());
        EXPECT_EQ(view->InfoTextField()->text(), QString(text));
        view->DemonstrationButton()->click();
        view->DemonstrationButton()->click();
        EXPECT_FALSE(view->DisplayCount()) << "a game lost on time was not counted";
    }
}

TEST(EngineEvents, anEngineThatResignsIsMissingOrDiesEndsTheGameButReviewAndResignStillWork)
{
    const QString missing = "/nonexistent/hoshi-engine --gtp";
    // The dying engine is killed by the genmove after the first move: set-up lines, play, time_left, genmove.
    const struct {
        QString language;
        QString text;
        QString commandLine;
        QStringList genmoves;
        QStringList options;
    } cases[] = {
        {kEnglish, "Pachi resigned.\nYou win!", "", {"resign"}, {}},
        {kFrench, QStringLiteral("Pachi a abandonné.\nTu as gagné !"), "", {"resign"}, {}},
        {kEnglish, "The Go engine could not be started.\nInstall GNU Go (package gnugo) or set HOSHI_ENGINE.", missing, {}, {}},
        {kFrench, QStringLiteral("Le moteur de Go n'a pas pu être lancé.\nInstalle GNU Go (paquet gnugo) ou définis "
                                 "HOSHI_ENGINE."), missing, {}, {}},
        {kEnglish, "The Go engine stopped unexpectedly.\nThe game is over.", "", {}, {"--crash-after", "8"}},
        {kFrench, QStringLiteral("Le moteur de Go s'est arrêté inopinément.\nLa partie est terminée."), "", {},
         {"--crash-after", "8"}},
        // An answer the game cannot use ends it at once: a stone on the player's, off the board, a failure, nothing.
        {kEnglish, "Pachi did not answer with a legal move.\nYou win!", "", {"E5"}, {}},
        {kFrench, QStringLiteral("Pachi n'a pas répondu par un coup légal.\nTu as gagné !"), "", {"Z9"}, {}},
        {kEnglish, "Pachi did not answer with a legal move.\nYou win!", "", {"J10"}, {}},
        {kEnglish, "Pachi did not answer with a legal move.\nYou win!", "", {}, {"--genmove-raw", "'?\\x0a\\x0a'"}},
        {kEnglish, "Pachi did not answer with a legal move.\nYou win!", "", {}, {"--genmove-raw", "'=\\x0a\\x0a'"}},
    };
    // That nothing is played or sent after the end is checked after two passes.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Harness harness;
        harness.useFakeEngine(c.genmoves, c.options);
        if (!c.commandLine.isEmpty()) {
            qputenv("HOSHI_ENGINE", c.commandLine.toUtf8());
        }
        // Against a missing engine the player is White, so the game needs the engine at once.
        auto view = harness.makeView(c.commandLine.isEmpty() ? GTPGoColorBlack : GTPGoColorWhite, 0, c.language);
        const std::size_t stones = c.commandLine.isEmpty() ? 1 : 0;
        if (stones == 1) {
            click(*view, 4, 4);
        }
        ASSERT_TRUE(waitFor([&] { return view->GoGame().IsGameOver(); }));
        EXPECT_EQ(view->InfoTextField()->text(), c.text);
        EXPECT_EQ(view->StoneList().size(), stones) << "the player's move stays on the board";

        view->DemonstrationButton()->click();
        for (QPushButton* button : {view->StartButton(), view->BackButton(), view->EndButton()}) {
            button->click();
            EXPECT_EQ(view->StoneList().size(), stones);
        }
        view->DemonstrationButton()->click();
        EXPECT_FALSE(view->IsDemonstration());
        EXPECT_TRUE(stones == 1 ? view->LastMove() == GoBoardPoint(4, 4) : view->LastMove().marksNothing());
        EXPECT_FALSE(view->DisplayCount()) << "only a game ended by two passes is counted";
        // Clicks and Pass stay ignored: the game is over, not waiting for the engine.
        click(*view, 0, 0);
        view->PassButton()->click();
        EXPECT_EQ(view->StoneList().size(), stones);

        QSignalSpy resigned(view.get(), &BoardView::ResignRequested);
        view->ResignButton()->click();
        ASSERT_EQ(resigned.size(), 1);
        EXPECT_EQ(resigned.at(0).at(0).toString(), c.language);
    }
}
