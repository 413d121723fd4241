// What the engine hears and what the player sees when clicking on the board.
#include "PlayHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::Contains;
using ::testing::Not;

namespace {

QStringList linesAfter(const QStringList& lines, qsizetype count)
{
    return lines.mid(count);
}

} // namespace

TEST(PlayController, playerBlackWithoutHandicapAsksNothingUntilTheFirstClick)
{
    PlayHarness harness;
    harness.useFakeEngine({QStringLiteral("E5")});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(harness.waitForLines(5));

    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 3, 3));

    QStringList expected = PlayHarness::setUpLines();
    expected << "play B D4" << "time_left W 300 0" << "genmove W";
    EXPECT_EQ(harness.recordedLines(), expected);
    const auto stones = view->StoneList();
    EXPECT_EQ(stones.size(), 2u);
    EXPECT_EQ(stones.at(GoBoardPoint(3, 3)), GTPGoColorBlack);
    EXPECT_EQ(stones.at(GoBoardPoint(4, 4)), GTPGoColorWhite);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));
    EXPECT_EQ(view->ToPlay(), GTPGoColorBlack);
}

TEST(PlayController, playerWhiteAsksTheEngineForBlackAtOnce)
{
    PlayHarness harness;
    harness.useFakeEngine({QStringLiteral("C3"), QStringLiteral("J9")});
    auto view = harness.makeView(GTPGoColorWhite);
    ASSERT_TRUE(PlayHarness::waitFor([&] { return view->ToPlay() == GTPGoColorWhite; }));

    QStringList expected = PlayHarness::setUpLines();
    expected << "time_left B 300 0" << "genmove B";
    EXPECT_EQ(harness.recordedLines(), expected);
    EXPECT_EQ(view->StoneList().at(GoBoardPoint(2, 2)), GTPGoColorBlack);

    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 8, 0));
    expected << "play W J1" << "time_left B 300 0" << "genmove B";
    EXPECT_EQ(harness.recordedLines(), expected);
    EXPECT_EQ(view->StoneList().at(GoBoardPoint(8, 8)), GTPGoColorBlack);
}

TEST(PlayController, handicapGamesSendTheStonesAndLetWhiteStart)
{
    struct Case {
        std::int32_t handicap;
        QString line;
    };
    for (const Case& c : {Case {2, "set_free_handicap  C3 G7"}, Case {9, "set_free_handicap  C3 G7 G3 C7 E5 C5 G5 E3 E7"}}) {
        SCOPED_TRACE(c.handicap);
        PlayHarness harness;
        harness.useFakeEngine({QStringLiteral("D4")});
        auto view = harness.makeView(GTPGoColorBlack, c.handicap);
        EXPECT_EQ(view->StoneList().size(), static_cast<std::size_t>(c.handicap));
        ASSERT_TRUE(PlayHarness::waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));

        QStringList expected = PlayHarness::setUpLines();
        expected << c.line << "time_left W 300 0" << "genmove W";
        EXPECT_EQ(harness.recordedLines(), expected);
        EXPECT_EQ(view->StoneList().at(GoBoardPoint(3, 3)), GTPGoColorWhite);
    }
}

TEST(PlayController, aCaptureTakesTheStonesOffInTheSameClick)
{
    PlayHarness harness;
    harness.useFakeEngine({QStringLiteral("A1"), QStringLiteral("J9")});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 1, 0)); // B1, White answers A1
    ASSERT_EQ(view->StoneList().count(GoBoardPoint(0, 0)), 1u);

    PlayHarness::click(*view, 0, 1); // A2 takes A1
    const auto stones = view->StoneList();
    EXPECT_EQ(stones.count(GoBoardPoint(0, 0)), 0u);
    EXPECT_EQ(stones.at(GoBoardPoint(0, 1)), GTPGoColorBlack);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 1));
    EXPECT_EQ(view->GoGame().getNumberOfCapturedStones(GTPGoColorBlack), 1);
    ASSERT_TRUE(harness.waitForLines(11));
    EXPECT_EQ(harness.recordedLines().mid(8), QStringList({"play B A2", "time_left W 300 0", "genmove W"}));
}

TEST(PlayController, refusedMovesShowWhyMarkThePointAndSendNothing)
{
    PlayHarness harness;
    // White builds a ko shape around C4 and an eye at A1.
    harness.useFakeEngine({"B4", "C5", "C3", "D4", "A2", "B1", "J9"});
    auto view = harness.makeView(GTPGoColorBlack);
    for (auto [column, row] : {std::pair {3, 4}, {4, 3}, {3, 2}, {2, 3}}) { // D5 E4 D3 C4
        ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, column, row));
    }
    ASSERT_EQ(view->StoneList().count(GoBoardPoint(2, 3)), 0u) << "White's D4 took C4";
    const qsizetype sent = harness.recordedLines().size();

    PlayHarness::click(*view, 2, 3); // retaking the ko at once
    EXPECT_EQ(view->InfoTextField()->text(), "You can't capture back right away! This is the Ko rule.");
    EXPECT_EQ(view->ForbiddenMove(), GoBoardPoint(2, 3));
    EXPECT_THAT(harness.m_Log, Contains("Ko threat first"));

    PlayHarness::click(*view, 3, 4); // D5 is Black's own stone
    EXPECT_EQ(view->InfoTextField()->text(), "There is already a stone here!");
    EXPECT_EQ(view->ForbiddenMove(), GoBoardPoint(3, 4));
    EXPECT_THAT(harness.m_Log, Contains("Already a stone"));

    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 6, 6)); // G7; White answers A2
    EXPECT_EQ(view->ForbiddenMove().X(), -1) << "an accepted move clears the cross";
    EXPECT_EQ(view->InfoTextField()->text(), "");
    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 6, 4)); // G5; White answers B1

    PlayHarness::click(*view, 0, 0); // A1 inside White's eye
    EXPECT_EQ(view->InfoTextField()->text(), "You can't play here, it's a suicide move!");
    EXPECT_EQ(view->ForbiddenMove(), GoBoardPoint(0, 0));
    EXPECT_THAT(harness.m_Log, Contains("That's suicide!"));
    EXPECT_EQ(view->StoneList().count(GoBoardPoint(0, 0)), 0u);
    EXPECT_EQ(view->ToPlay(), GTPGoColorBlack);

    // Only the two accepted moves reached the engine after the refusals.
    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 8, 0));
    EXPECT_EQ(linesAfter(harness.recordedLines(), sent),
              QStringList({"play B G7", "time_left W 300 0", "genmove W", "play B G5", "time_left W 300 0",
                           "genmove W", "play B J1", "time_left W 300 0", "genmove W"}));
}

TEST(PlayController, refusalsSpeakFrench)
{
    PlayHarness harness;
    harness.useFakeEngine({"E5"});
    auto view = harness.makeView(GTPGoColorBlack, 0, QStringLiteral("Français"));
    ASSERT_TRUE(PlayHarness::clickAndWaitForAnswer(*view, 3, 3));
    PlayHarness::click(*view, 4, 4);
    EXPECT_EQ(view->InfoTextField()->text(), "Il y a déjà une pierre ici !");
}

TEST(PlayController, clicksWhileTheEngineThinksOrOutsideTheBoardAreIgnored)
{
    PlayHarness harness;
    harness.useFakeEngine({"E5"});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(harness.waitForLines(5));

    PlayHarness::click(*view, 3, 3);
    // The engine cannot have answered yet: no event has been handled since the click.
    PlayHarness::click(*view, 6, 6);
    PlayHarness::click(*view, 3, 3);
    EXPECT_EQ(view->StoneList().size(), 1u);
    EXPECT_EQ(view->InfoTextField()->text(), "");
    EXPECT_EQ(view->ForbiddenMove().X(), -1);

    ASSERT_TRUE(PlayHarness::waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));
    // Far left of the board and in the info column: no point there.
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 300));
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(700, 300));
    EXPECT_EQ(view->StoneList().size(), 2u);
    EXPECT_EQ(view->ToPlay(), GTPGoColorBlack);
    QStringList expected = PlayHarness::setUpLines();
    expected << "play B D4" << "time_left W 300 0" << "genmove W";
    EXPECT_EQ(harness.recordedLines(), expected);
}

TEST(PlayController, twoPlayersTakeTurnsWithTheMouseAndThePassButton)
{
    PlayHarness harness;
    auto view = harness.makeView(GTPGoColorEmpty);
    EXPECT_EQ(view->GTPEngine(), nullptr);

    PlayHarness::click(*view, 4, 4);
    PlayHarness::click(*view, 4, 4);
    EXPECT_EQ(view->InfoTextField()->text(), "There is already a stone here!");
    PlayHarness::click(*view, 4, 5);
    EXPECT_EQ(view->InfoTextField()->text(), "") << "an accepted move empties the message";
    const auto stones = view->StoneList();
    EXPECT_EQ(stones.at(GoBoardPoint(4, 4)), GTPGoColorBlack);
    EXPECT_EQ(stones.at(GoBoardPoint(4, 5)), GTPGoColorWhite);

    view->PassButton()->click();
    EXPECT_EQ(view->ToPlay(), GTPGoColorWhite);
    EXPECT_EQ(view->LastMove().X(), -1);
    view->PassButton()->click();
    EXPECT_TRUE(view->GoGame().IsGameOver());
    EXPECT_EQ(view->InfoTextField()->text(), "Both players have passed.\nThe game is now over.\n"
                                             "White has 1 points and Black has 1 points.\nIt's a draw!");
    EXPECT_TRUE(view->DisplayCount());

    PlayHarness::click(*view, 0, 0);
    EXPECT_EQ(view->StoneList().size(), 2u) << "no stone after the end";
}
