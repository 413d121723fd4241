// Counting by area: the dead stones are marked after two passes, then Pass accepts the count.
#include "BoardTestHarness.h"

using namespace boardtest;

TEST(AreaCount, theEnginesDeadStonesAreMarkedClicksToggleGroupsAndPassAccepts)
{
    // Black C3 and G7 against White E5 and C7, which the engine calls dead; komi 7, no surrounded point.
    BoardUnderTest board({GTPGoColorBlack, {"E5", "C7", "PASS"}, kEnglish, 0,
        {"--answer", "'known_command final_status_list=true'", "--answer", "'final_status_list dead=C7'"}, 300,
        GTPGoCounting::Area});
    EXPECT_EQ(board.lines().value(3), "komi 7.0");
    board.play({"C3", "G7", "pass"});
    const QString nine = BoardMessages::marking(9, 2), eight = BoardMessages::marking(8, 2);
    ASSERT_TRUE(BoardUnderTest::waitFor([&] { return board.message() == eight && board.shown() == "X:C3,G7 O:E5 ~:C7"; }))
        << board.message().toStdString() << board.shown();
    EXPECT_EQ(board.text("BlackCapturedStonesTextField"), "1") << "a dead stone is a prisoner";
    saveScreenshot(board, "board-marking");
    EXPECT_EQ(board.play({"review", "review"}, false), "X:C3,G7 O:E5 ~:C7") << "no numbers before the count is accepted";
    for (const auto& [click, message, shown] :
         {std::tuple {"C7", nine, "X:C3,G7 O:C7,E5"}, {"E5", eight, "X:C3,G7 O:C7 ~:E5"}, {"E5", nine, "X:C3,G7 O:C7,E5"},
          {"D9", nine, "X:C3,G7 O:C7,E5"}, {"C7", eight, "X:C3,G7 O:E5 ~:C7"},
          {"pass", BoardMessages::score(8, 2), "X:C3,G7 O:E5 #"}}) {
        EXPECT_EQ(board.play({click}, false), shown) << click << ": a click in marking plays no stone";
        EXPECT_EQ(board.message(), message);
    }
    EXPECT_EQ(board.sent().mid(9), QStringList({"known_command final_status_list", "final_status_list dead"}));
}

TEST(AreaCount, twoPlayersMarkFromNothingWithTheKomiOfAHandicapGameAndMayResign)
{
    // Komi 0.5 with a handicap: Black's C3 and G7 against White's E5.
    BoardUnderTest board({GTPGoColorEmpty, {}, kEnglish, 2, {}, 300, GTPGoCounting::Area});
    board.play({"E5", "pass", "pass"});
    EXPECT_EQ(board.message(), BoardMessages::marking(1.5, 2));
    EXPECT_EQ(board.shown(), "X:C3,G7 O:E5");
    QSignalSpy resigned(board.view.get(), &BoardView::ResignRequested);
    board.press("ResignButton");
    EXPECT_EQ(resigned.count(), 1) << "Resign leaves during marking";
}
