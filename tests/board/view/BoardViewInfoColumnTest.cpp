#include "BoardViewTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace boardviewtest;

namespace {

// A control's frame, given bottom-up as in the layout, matches its widget
// geometry within the rounding to whole pixels.
void expectFrame(const QWidget* control, double x, double y, double width, double height, const char* name)
{
    const QRect geometry = control->geometry();
    const double viewHeight = control->parentWidget()->height();
    EXPECT_NEAR(geometry.left(), x, 0.5) << name;
    EXPECT_NEAR(geometry.top(), viewHeight - y - height, 0.5) << name;
    EXPECT_NEAR(geometry.left() + geometry.width(), x + width, 0.5) << name;
    EXPECT_NEAR(geometry.top() + geometry.height(), viewHeight - y, 0.5) << name;
}

void play(BoardView& view, GTPGoColor color, int x, int y)
{
    GTPGoMoveMessage message = GTPGoMessageNone;
    ASSERT_TRUE(view.GoGame().playMove(GTPGoMove::stone(color, GTPGoPoint(x, y)), message));
}

void pass(BoardView& view, GTPGoColor color)
{
    GTPGoMoveMessage message = GTPGoMessageNone;
    ASSERT_TRUE(view.GoGame().playMove(GTPGoMove::pass(color), message));
}

} // namespace

TEST(BoardViewInfoColumn, theControlsOfAn800By600WindowSitAtTheWorkedExampleFrames)
{
    auto view = twoPlayerView();
    expectFrame(view->ResignButton(), 600, 0, 200, 37.5, "Resign");
    expectFrame(view->PassButton(), 600, 37.5, 200, 37.5, "Pass");
    expectFrame(view->WhiteCapturedStonesTextField(), 605, 95, 92, 37.5, "White prisoners");
    expectFrame(view->BlackCapturedStonesTextField(), 703, 95, 91, 37.5, "Black prisoners");
    expectFrame(view->WhiteTimeTextField(), 605, 142.5, 92, 37.5, "White clock");
    expectFrame(view->BlackTimeTextField(), 703, 142.5, 92, 37.5, "Black clock");
    expectFrame(view->InfoTextField(), 605, 210, 190, 270, "message area");
    expectFrame(view->DemonstrationButton(), 605, 490, 190, 37.5, "review check box");
    expectFrame(view->StartButton(), 605, 537.5, 47.5, 37.5, "<<");
    expectFrame(view->BackButton(), 652.5, 537.5, 47.5, 37.5, "<");
    expectFrame(view->NextButton(), 700, 537.5, 47.5, 37.5, ">");
    expectFrame(view->EndButton(), 747.5, 537.5, 47.5, 37.5, ">>");

    // Only the review buttons start hidden.
    for (const QPushButton* button : {view->StartButton(), view->BackButton(), view->NextButton(), view->EndButton()}) {
        EXPECT_TRUE(button->isHidden());
    }
    EXPECT_FALSE(view->PassButton()->isHidden());
    EXPECT_FALSE(view->DemonstrationButton()->isChecked());
}

TEST(BoardViewInfoColumn, theColumnFollowsTheBoardInANarrowFrame)
{
    // 600 x 600: the board area is 450 wide, the column 150, rows a sixteenth of 600.
    auto view = twoPlayerView(QRect(0, 0, 600, 600));
    expectFrame(view->ResignButton(), 450, 0, 150, 37.5, "Resign");
    expectFrame(view->BlackCapturedStonesTextField(), 528, 95, 66, 37.5, "Black prisoners");
    expectFrame(view->InfoTextField(), 455, 210, 140, 270, "message area");
    expectFrame(view->EndButton(), 455 + 3 * 35, 537.5, 35, 37.5, ">>");
}

TEST(BoardViewInfoColumn, textsAndColoursFollowTheLanguage)
{
    auto english = twoPlayerView();
    EXPECT_EQ(english->ResignButton()->text(), "Resign");
    EXPECT_EQ(english->PassButton()->text(), "Pass");
    EXPECT_EQ(english->DemonstrationButton()->text(), "Review previous moves");
    EXPECT_EQ(english->StartButton()->text(), "<<");
    EXPECT_EQ(english->EndButton()->text(), ">>");
    auto french = twoPlayerView(kWindowFrame, QStringLiteral("Français"));
    EXPECT_EQ(french->ResignButton()->text(), "Abandonner");
    EXPECT_EQ(french->PassButton()->text(), "Passer");
    EXPECT_EQ(french->DemonstrationButton()->text(), "Revoir les derniers coups");
    EXPECT_EQ(french->BackButton()->text(), "<");
    EXPECT_EQ(french->NextButton()->text(), ">");
    // Any other language, even none, is English.
    EXPECT_EQ(twoPlayerView(kWindowFrame, "")->PassButton()->text(), "Pass");

    // Black's fields are white on black, White's black on white, the message area pale cyan.
    const QImage image = render(*english);
    const auto fieldColour = [&](const QLabel* field) {
        const QRect g = field->geometry();
        return image.pixelColor(g.left() + 3, g.top() + 3);
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

TEST(BoardViewInfoColumn, prisonerCountersAreRefreshedAtEveryRepaint)
{
    auto view = twoPlayerView();
    EXPECT_EQ(view->BlackCapturedStonesTextField()->text(), "0");
    // Black captures the white stone in the corner A1.
    play(*view, GTPGoColorBlack, 2, 1);
    play(*view, GTPGoColorWhite, 1, 1);
    play(*view, GTPGoColorBlack, 1, 2);
    render(*view);
    EXPECT_EQ(view->BlackCapturedStonesTextField()->text(), "1");
    EXPECT_EQ(view->WhiteCapturedStonesTextField()->text(), "0");
}

TEST(BoardViewInfoColumn, twoPlayerClocksShowNoTimeAtEveryTick)
{
    double now = 100;
    auto view = twoPlayerView(kWindowFrame, "English", [&now] { return now; });
    EXPECT_EQ(view->BlackTimeTextField()->text(), "--:--");
    EXPECT_EQ(view->WhiteTimeTextField()->text(), "--:--");
    now += 30;
    view->updateClock();
    EXPECT_EQ(view->BlackTimeTextField()->text(), "--:--");
    EXPECT_FALSE(view->GoGame().IsGameOver());
}

TEST(BoardViewInfoColumn, theTickChargesAndShowsOnlyTheSideToMove)
{
    QTemporaryDir records;
    ASSERT_TRUE(records.isValid());
    double now = 1000;
    // The player is White; the engine, Black, has ten minutes and is to move.
    auto view = engineView(GTPGoColorWhite, records.filePath("engine.log"), 0, [&now] { return now; });
    EXPECT_EQ(view->BlackTimeTextField()->text(), "10:00");
    EXPECT_EQ(view->WhiteTimeTextField()->text(), "--:--");

    // 545.9 seconds left shows as 09:05: truncated, never rounded up.
    now += 54.1;
    view->updateClock();
    EXPECT_EQ(view->BlackTimeTextField()->text(), "09:05");
    EXPECT_EQ(view->WhiteTimeTextField()->text(), "--:--");
    now += 0.8;
    view->updateClock();
    EXPECT_EQ(view->BlackTimeTextField()->text(), "09:05");
    now += 0.2;
    view->updateClock();
    EXPECT_EQ(view->BlackTimeTextField()->text(), "09:04");

    // Once the game is over the clock texts stop.
    view->GoGame().setIsGameOver(true);
    now += 60;
    view->updateClock();
    EXPECT_EQ(view->BlackTimeTextField()->text(), "09:04");
}

TEST(BoardViewInfoColumn, theScoreIsWrittenInTheLanguageOfTheGame)
{
    const QString englishHeader = "Both players have passed.\nThe game is now over.\n";
    const QString frenchHeader = QStringLiteral("Les deux joueurs ont passé.\nLa partie est terminée.\n");

    // Black 2, White 1.
    for (const QString& language : {QStringLiteral("English"), QStringLiteral("Français")}) {
        auto view = twoPlayerView(kWindowFrame, language);
        play(*view, GTPGoColorBlack, 3, 3);
        play(*view, GTPGoColorWhite, 7, 7);
        play(*view, GTPGoColorBlack, 5, 5);
        EXPECT_FALSE(view->DisplayCount());
        view->setScore();
        EXPECT_TRUE(view->DisplayCount());
        if (language == "English") {
            EXPECT_EQ(view->InfoTextField()->text(),
                      englishHeader + "White has 1 points and Black has 2 points.\nBlack wins by 1.0 points!");
        } else {
            EXPECT_EQ(view->InfoTextField()->text(),
                      frenchHeader
                          + QStringLiteral("Blanc a 1 points et Noir a 2 points.\nNoir gagne de 1.0 points !"));
        }
    }

    // White 3, Black 1: White wins by 2.0.
    auto whiteWins = twoPlayerView(kWindowFrame, QStringLiteral("Français"));
    play(*whiteWins, GTPGoColorBlack, 3, 3);
    play(*whiteWins, GTPGoColorWhite, 7, 7);
    pass(*whiteWins, GTPGoColorBlack);
    play(*whiteWins, GTPGoColorWhite, 7, 5);
    pass(*whiteWins, GTPGoColorBlack);
    play(*whiteWins, GTPGoColorWhite, 5, 7);
    whiteWins->setScore();
    EXPECT_EQ(whiteWins->InfoTextField()->text(),
              frenchHeader + QStringLiteral("Blanc a 3 points et Noir a 1 points.\nBlanc gagne de 2.0 points !"));

    // Equal counts: a draw, in both languages.
    auto draw = twoPlayerView();
    play(*draw, GTPGoColorBlack, 3, 3);
    play(*draw, GTPGoColorWhite, 7, 7);
    draw->setScore();
    EXPECT_EQ(draw->InfoTextField()->text(), englishHeader + "White has 1 points and Black has 1 points.\nIt's a draw!");
    auto drawInFrench = twoPlayerView(kWindowFrame, QStringLiteral("Français"));
    drawInFrench->setScore();
    EXPECT_EQ(drawInFrench->InfoTextField()->text(),
              frenchHeader + QStringLiteral("Blanc a 0 points et Noir a 0 points.\nIl y a égalité !"));

    // A fractional score is truncated in the counts, not in the margin.
    GTPGoGameInfo info = gameInfo();
    info.setKomi(0.5f);
    BoardView komi(kWindowFrame, info, GTPGoColorEmpty, "English");
    play(komi, GTPGoColorBlack, 3, 3);
    play(komi, GTPGoColorWhite, 7, 7);
    komi.setScore();
    EXPECT_EQ(komi.InfoTextField()->text(),
              englishHeader + "White has 1 points and Black has 1 points.\nWhite wins by 0.5 points!");
}
