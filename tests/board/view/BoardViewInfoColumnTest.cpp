// The column beside the board: texts, field colours and clocks (the score is
// written by the play controller tests).
#include "../BoardTestHarness.h"

using namespace boardtest;

TEST(BoardViewInfoColumn, textsFollowTheLanguageAndEachSideHasItsColours)
{
    Harness harness;
    auto english = harness.makeView();
    EXPECT_EQ(english->ResignButton()->text(), "Resign");
    EXPECT_EQ(english->PassButton()->text(), "Pass");
    EXPECT_EQ(english->DemonstrationButton()->text(), "Review previous moves");
    auto french = harness.makeView(GTPGoColorEmpty, 0, kFrench);
    EXPECT_EQ(french->ResignButton()->text(), "Abandonner");
    EXPECT_EQ(french->PassButton()->text(), "Passer");
    EXPECT_EQ(french->DemonstrationButton()->text(), "Revoir les derniers coups");
    EXPECT_EQ(french->StartButton()->text(), "<<");
    // Any other language, even none, is English.
    EXPECT_EQ(harness.makeView(GTPGoColorEmpty, 0, "")->PassButton()->text(), "Pass");

    // Black's fields are white on black, White's black on white, the message area pale cyan.
    const QImage image = render(*english);
    const auto fieldColour = [&](const QLabel* field) {
        return image.pixelColor(field->geometry().topLeft() + QPoint(3, 3));
    };
    EXPECT_TRUE(near(fieldColour(english->BlackCapturedStonesTextField()), kBlack, 2));
    EXPECT_TRUE(near(fieldColour(english->BlackTimeTextField()), kBlack, 2));
    EXPECT_TRUE(near(fieldColour(english->WhiteCapturedStonesTextField()), kWhite, 2));
    EXPECT_TRUE(near(fieldColour(english->WhiteTimeTextField()), kWhite, 2));
    EXPECT_TRUE(near(fieldColour(english->InfoTextField()), QColor(240, 255, 255), 2));
    EXPECT_EQ(english->BlackCapturedStonesTextField()->palette().color(QPalette::WindowText), kWhite);
    EXPECT_EQ(english->InfoTextField()->palette().color(QPalette::WindowText), kBlack);
    EXPECT_EQ(english->InfoTextField()->alignment(), Qt::AlignCenter);
}

TEST(BoardViewInfoColumn, theTickChargesAndShowsOnlyTheEngineToMoveAndTwoPlayersHaveNoTime)
{
    Harness harness;
    harness.useFakeEngine();
    // The player is White; the engine, Black, has ten minutes and is to move. No
    // event is handled, so its answer never arrives.
    auto view = harness.makeView(GTPGoColorWhite, 0, kEnglish, 600);
    EXPECT_EQ(view->BlackTimeTextField()->text(), "10:00");
    EXPECT_EQ(view->WhiteTimeTextField()->text(), "--:--");
    // 545.9 seconds left shows as 09:05: truncated, never rounded up.
    for (const auto& [elapsed, text] : {std::pair {54.1, "09:05"}, {0.8, "09:05"}, {0.2, "09:04"}}) {
        harness.m_Now += elapsed;
        view->updateClock();
        EXPECT_EQ(view->BlackTimeTextField()->text(), text) << harness.m_Now;
        EXPECT_EQ(view->WhiteTimeTextField()->text(), "--:--");
    }
    // Once the game is over the clock texts stop.
    view->GoGame().setIsGameOver(true);
    harness.m_Now += 60;
    view->updateClock();
    EXPECT_EQ(view->BlackTimeTextField()->text(), "09:04");

    auto twoPlayers = harness.makeView();
    harness.m_Now += 900;
    twoPlayers->updateClock();
    EXPECT_EQ(twoPlayers->BlackTimeTextField()->text(), "--:--");
    EXPECT_EQ(twoPlayers->WhiteTimeTextField()->text(), "--:--");
    EXPECT_FALSE(twoPlayers->GoGame().IsGameOver());
}
