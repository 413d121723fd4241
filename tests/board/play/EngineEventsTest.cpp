// The engine's passes, resignation, time loss and failures, as the player sees them.
#include "PlayHarness.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>

#include <algorithm>

namespace {

const QString kEnglish = QStringLiteral("English");
const QString kFrench = QStringLiteral("Français");

} // namespace

TEST(EngineEvents, playerPassThenEnginePassEndsWithTheScore)
{
    struct Case {
        QString language;
        QString text;
    };
    const Case cases[] = {
        {kEnglish, "Both players have passed.\nThe game is now over.\n"
                   "White has 1 points and Black has 2 points.\nBlack wins by 1.0 points!"},
        {kFrench, "Les deux joueurs ont passé.\nLa partie est terminée.\n"
                  "Blanc a 1 points et Noir a 2 points.\nNoir gagne de 1.0 points !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        PlayHarness harness;
        harness.useFakeEngine({"E5", "PASS"});
        auto view = harness.makeView(GTPGoColorBlack, 2, c.language);
        ASSERT_TRUE(PlayHarness::waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));
        view->PassButton()->click();
        ASSERT_TRUE(PlayHarness::waitFor([&] { return view->GoGame().IsGameOver(); }));

        EXPECT_EQ(view->InfoTextField()->text(), c.text);
        EXPECT_TRUE(view->DisplayCount());
        QStringList expected = PlayHarness::setUpLines();
        expected << "set_free_handicap  C3 G7" << "time_left W 300 0" << "genmove W" << "play B PASS"
                 << "time_left W 300 0" << "genmove W";
        EXPECT_EQ(harness.recordedLines(), expected);

        // After the end nothing is played or sent.
        PlayHarness::click(*view, 0, 0);
        view->PassButton()->click();
        EXPECT_EQ(view->StoneList().size(), 3u);
        EXPECT_EQ(harness.recordedLines(), expected);
    }
}

TEST(EngineEvents, anEnginePassIsAnnouncedAndHandsTheTurnBack)
{
    for (const auto& [language, text] : {std::pair {kEnglish, QString("Pachi passed.")}, {kFrench, QString("Pachi a passé.")}}) {
        PlayHarness harness;
        harness.useFakeEngine({"PASS", "E5"});
        auto view = harness.makeView(GTPGoColorBlack, 0, language);
        ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 2, 2));
        EXPECT_EQ(view->InfoTextField()->text(), text);
        EXPECT_EQ(view->LastMove().X(), -1);
        EXPECT_FALSE(view->GoGame().IsGameOver());

        ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 3, 3));
        EXPECT_EQ(view->InfoTextField()->text(), "") << "the player's move empties the message";
        EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));
    }
}

TEST(EngineEvents, anAnswerDuringReviewIsDrawnOnlyWhenReviewEnds)
{
    PlayHarness harness;
    harness.useFakeEngine({"E5", "F6"});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 2, 2));

    PlayHarness::click(*view, 3, 3);
    view->DemonstrationButton()->click();
    ASSERT_TRUE(view->IsDemonstration());
    ASSERT_TRUE(PlayHarness::waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));

    EXPECT_EQ(view->GoGame().Turns().size(), 4u) << "the answer is recorded";
    EXPECT_EQ(view->StoneList().count(GoBoardPoint(5, 5)), 0u) << "but not drawn";
    EXPECT_EQ(view->LastMove(), GoBoardPoint(3, 3));
    PlayHarness::click(*view, 7, 7);
    EXPECT_EQ(view->GoGame().Turns().size(), 4u) << "clicks in review are ignored";

    view->DemonstrationButton()->click();
    EXPECT_EQ(view->StoneList().at(GoBoardPoint(5, 5)), GTPGoColorWhite);
    EXPECT_EQ(view->StoneList().size(), 4u);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(5, 5));
}

TEST(EngineEvents, engineResignationEndsTheGame)
{
    for (const auto& [language, text] :
         {std::pair {kEnglish, QString("Pachi resigned.\nYou win!")}, {kFrench, QString("Pachi a abandonné.\nTu as gagné !")}}) {
        PlayHarness harness;
        harness.useFakeEngine({"resign"});
        auto view = harness.makeView(GTPGoColorBlack, 0, language);
        PlayHarness::click(*view, 2, 2);
        ASSERT_TRUE(PlayHarness::waitFor([&] { return view->GoGame().IsGameOver(); }));
        EXPECT_EQ(view->InfoTextField()->text(), text);

        const qsizetype sent = harness.recordedLines().size();
        view->PassButton()->click();
        PlayHarness::click(*view, 4, 4);
        EXPECT_EQ(view->StoneList().size(), 1u);
        EXPECT_EQ(harness.recordedLines().size(), sent);
    }
}

TEST(EngineEvents, theEngineLosingOnTimeIsAnnounced)
{
    for (const auto& [language, text] : {std::pair {kEnglish, QString("Pachi ran out of time.\nYou win!")},
                                         {kFrench, QString("Pachi a dépassé son temps.\nTu as gagné !")}}) {
        PlayHarness harness;
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
        EXPECT_EQ(view->InfoTextField()->text(), text);

        // No event was handled before the loss, so the answer comes late and is not played.
        ASSERT_TRUE(PlayHarness::waitFor([&] {
            return std::any_of(harness.m_Log.begin(), harness.m_Log.end(),
                               [](const std::string& line) { return line.find("E5") != std::string::npos; });
        }));
        QCoreApplication::processEvents();
        EXPECT_TRUE(view->StoneList().empty());
        EXPECT_EQ(view->InfoTextField()->text(), text);
    }
}

TEST(EngineEvents, aMissingEngineIsReportedAndReviewAndResignStillWork)
{
    for (const auto& [language, text] :
         {std::pair {kEnglish, QString("The Go engine could not be started.\nInstall GNU Go (package gnugo) or set HOSHI_ENGINE.")},
          {kFrench, QString("Le moteur de Go n'a pas pu être lancé.\nInstalle GNU Go (paquet gnugo) ou définis HOSHI_ENGINE.")}}) {
        PlayHarness harness;
        harness.useEngineCommandLine(QStringLiteral("/nonexistent/hoshi-engine --gtp"));
        auto view = harness.makeView(GTPGoColorWhite, 0, language);
        ASSERT_TRUE(PlayHarness::waitFor([&] { return view->GoGame().IsGameOver(); }));
        EXPECT_EQ(view->InfoTextField()->text(), text);

        PlayHarness::click(*view, 4, 4);
        view->PassButton()->click();
        EXPECT_TRUE(view->StoneList().empty());
        view->DemonstrationButton()->click();
        view->StartButton()->click();
        view->EndButton()->click();
        view->DemonstrationButton()->click();
        EXPECT_FALSE(view->IsDemonstration());

        QSignalSpy resigned(view.get(), &BoardView::ResignRequested);
        view->ResignButton()->click();
        ASSERT_EQ(resigned.size(), 1);
        EXPECT_EQ(resigned.at(0).at(0).toString(), language);
    }
}

TEST(EngineEvents, aDyingEngineIsReported)
{
    for (const auto& [language, text] :
         {std::pair {kEnglish, QString("The Go engine stopped unexpectedly.\nThe game is over.")},
          {kFrench, QString("Le moteur de Go s'est arrêté inopinément.\nLa partie est terminée.")}}) {
        PlayHarness harness;
        // Killed by the genmove after the first move: set-up lines, play, time_left, genmove.
        harness.useFakeEngine({}, {"--crash-after", "8"});
        auto view = harness.makeView(GTPGoColorBlack, 0, language);
        PlayHarness::click(*view, 4, 4);
        ASSERT_TRUE(PlayHarness::waitFor([&] { return view->GoGame().IsGameOver(); }));
        EXPECT_EQ(view->InfoTextField()->text(), text);
        EXPECT_EQ(view->StoneList().size(), 1u) << "the player's move stays on the board";

        view->DemonstrationButton()->click();
        view->BackButton()->click();
        EXPECT_EQ(view->StoneList().size(), 1u);
        view->DemonstrationButton()->click();
        EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));
    }
}

TEST(EngineEvents, resignReturnsToTheMenuInTheCurrentLanguageWithoutTellingTheEngine)
{
    PlayHarness harness;
    harness.useFakeEngine({"E5"});
    auto view = harness.makeView(GTPGoColorBlack, 0, kFrench);
    ASSERT_TRUE(harness.waitForLines(5));
    QSignalSpy resigned(view.get(), &BoardView::ResignRequested);
    view->ResignButton()->click();
    ASSERT_EQ(resigned.size(), 1);
    EXPECT_EQ(resigned.at(0).at(0).toString(), kFrench);
    EXPECT_EQ(harness.recordedLines(), PlayHarness::setUpLines());
}
