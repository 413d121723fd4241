// What the engine hears and what the player sees when clicking on the board.
#include "../BoardTestHarness.h"

using namespace boardtest;
using ::testing::Contains;

TEST(PlayController, playerBlackSendsOnlyHisMovesAndClicksWhileTheEngineThinksOrOffTheBoardAreIgnored)
{
    Harness harness;
    harness.useFakeEngine({"E5"});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(waitFor([&] { return harness.lines().size() == 5; }));

    click(*view, 3, 3);
    // The engine cannot have answered yet: no event has been handled since the click.
    click(*view, 6, 6);
    click(*view, 3, 3);
    EXPECT_EQ(view->StoneList().size(), 1u);
    EXPECT_EQ(view->InfoTextField()->text(), "");
    EXPECT_TRUE(view->ForbiddenMove().marksNothing());

    ASSERT_TRUE(waitFor([&] { return view->ToPlay() == GTPGoColorBlack; }));
    EXPECT_EQ(view->StoneList(), BoardView::StoneMap({{GoBoardPoint(3, 3), GTPGoColorBlack},
                                                      {GoBoardPoint(4, 4), GTPGoColorWhite}}));
    EXPECT_EQ(view->LastMove(), GoBoardPoint(4, 4));
    // Far left of the board and in the info column: no point there.
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 300));
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(700, 300));
    EXPECT_EQ(view->StoneList().size(), 2u);
    EXPECT_EQ(view->ToPlay(), GTPGoColorBlack);
    EXPECT_EQ(harness.lines(), setUpLines({"play B D4", "time_left W 300 0", "genmove W"}));
}

TEST(PlayController, anEngineThatMovesFirstIsAskedAtOnceAfterTheHandicapStones)
{
    const struct {
        GTPGoColor player;
        std::size_t handicap;
        QStringList handicapLine;
        QString me, engine;
    } cases[] = {
        {GTPGoColorWhite, 0, {}, "W", "B"},
        {GTPGoColorBlack, 2, {"set_free_handicap  C3 G7"}, "B", "W"},
        {GTPGoColorBlack, 9, {"set_free_handicap  C3 G7 G3 C7 E5 C5 G5 E3 E7"}, "B", "W"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handicap);
        Harness harness;
        harness.useFakeEngine({"D4", "J9"});
        auto view = harness.makeView(c.player, static_cast<std::int32_t>(c.handicap));
        ASSERT_EQ(view->StoneList().size(), c.handicap);
        for (const auto& [point, color] : view->StoneList()) {
            EXPECT_EQ(color, GTPGoColorBlack);
            EXPECT_TRUE(view->GoGame().Board().Stones().contains(BoardView::boardPointToGoPoint(point)));
        }
        ASSERT_TRUE(waitFor([&] { return view->ToPlay() == c.player; }));
        QStringList expected = setUpLines(c.handicapLine) << "time_left " + c.engine + " 300 0" << "genmove " + c.engine;
        EXPECT_EQ(harness.lines(), expected);
        const std::int64_t engineColor = c.player == GTPGoColorBlack ? GTPGoColorWhite : GTPGoColorBlack;
        EXPECT_EQ(view->StoneList().at(GoBoardPoint(3, 3)), engineColor);

        ASSERT_TRUE(clickAndWaitForAnswer(*view, 8, 0));
        expected << "play " + c.me + " J1" << "time_left " + c.engine + " 300 0" << "genmove " + c.engine;
        EXPECT_EQ(harness.lines(), expected);
        EXPECT_EQ(view->StoneList().at(GoBoardPoint(8, 8)), engineColor);
    }
}

TEST(PlayController, aCaptureTakesTheStonesOffInTheSameClickAndCountsThePrisoner)
{
    Harness harness;
    harness.useFakeEngine({"A1", "J9"});
    auto view = harness.makeView(GTPGoColorBlack);
    ASSERT_TRUE(clickAndWaitForAnswer(*view, 1, 0)); // B1, White answers A1
    ASSERT_EQ(view->StoneList().count(GoBoardPoint(0, 0)), 1u);

    click(*view, 0, 1); // A2 takes A1
    EXPECT_EQ(view->StoneList().count(GoBoardPoint(0, 0)), 0u);
    EXPECT_EQ(view->StoneList().at(GoBoardPoint(0, 1)), GTPGoColorBlack);
    EXPECT_EQ(view->LastMove(), GoBoardPoint(0, 1));
    // The prisoner counters are refreshed when the board is painted.
    render(*view);
    EXPECT_EQ(view->BlackCapturedStonesTextField()->text(), "1");
    EXPECT_EQ(view->WhiteCapturedStonesTextField()->text(), "0");
    ASSERT_TRUE(waitFor([&] { return harness.lines().size() == 11; }));
    EXPECT_EQ(harness.lines().mid(8), QStringList({"play B A2", "time_left W 300 0", "genmove W"}));
}

TEST(PlayController, refusedMovesShowWhyMarkThePointAndSendNothing)
{
    Harness harness;
    // White builds a ko shape around C4 and an eye at A1.
    harness.useFakeEngine({"B4", "C5", "C3", "D4", "A2", "B1", "J9"});
    auto view = harness.makeView(GTPGoColorBlack);
    for (auto [column, row] : {std::pair {3, 4}, {4, 3}, {3, 2}, {2, 3}}) { // D5 E4 D3 C4
        ASSERT_TRUE(clickAndWaitForAnswer(*view, column, row));
    }
    ASSERT_EQ(view->StoneList().count(GoBoardPoint(2, 3)), 0u) << "White's D4 took C4";
    const qsizetype sent = harness.lines().size();

    const auto expectRefused = [&](int column, int row, const QString& text, const std::string& log) {
        click(*view, column, row);
        EXPECT_EQ(view->InfoTextField()->text(), text);
        EXPECT_EQ(view->ForbiddenMove(), GoBoardPoint(column, row));
        EXPECT_THAT(harness.m_Log, Contains(log));
        EXPECT_EQ(view->ToPlay(), GTPGoColorBlack);
    };
    expectRefused(2, 3, "You can't capture back right away! This is the Ko rule.", "Ko threat first");
    expectRefused(3, 4, "There is already a stone here!", "Already a stone");

    ASSERT_TRUE(clickAndWaitForAnswer(*view, 6, 6)); // G7; White answers A2
    EXPECT_TRUE(view->ForbiddenMove().marksNothing()) << "an accepted move clears the cross";
    EXPECT_EQ(view->InfoTextField()->text(), "");
    ASSERT_TRUE(clickAndWaitForAnswer(*view, 6, 4)); // G5; White answers B1

    expectRefused(0, 0, "You can't play here, it's a suicide move!", "That's suicide!"); // inside White's eye
    EXPECT_EQ(view->StoneList().count(GoBoardPoint(0, 0)), 0u);

    // Only the accepted moves reached the engine after the refusals.
    ASSERT_TRUE(clickAndWaitForAnswer(*view, 8, 0));
    EXPECT_EQ(harness.lines().mid(sent),
              QStringList({"play B G7", "time_left W 300 0", "genmove W", "play B G5", "time_left W 300 0",
                           "genmove W", "play B J1", "time_left W 300 0", "genmove W"}));
}

TEST(PlayController, twoPlayersTakeTurnsWithTheMouseAndPassButtonAndTwoPassesScoreInTheirLanguage)
{
    const std::pair<int, int> pass {-1, -1};
    const QString englishOver = "Both players have passed.\nThe game is now over.\n";
    const QString frenchOver = QStringLiteral("Les deux joueurs ont passé.\nLa partie est terminée.\n");
    const struct {
        QString language;
        float komi;
        std::vector<std::pair<int, int>> moves; // the first on E5, which is then clicked again
        QString occupied, score;
    } cases[] = {
        {kEnglish, 0, {{4, 4}, {4, 5}}, "There is already a stone here!",
         englishOver + "White has 1 points and Black has 1 points.\nIt's a draw!"},
        {kFrench, 0, {{4, 4}, {4, 5}}, "Il y a déjà une pierre ici !",
         frenchOver + "Blanc a 1 points et Noir a 1 points.\nIl y a égalité !"},
        {kFrench, 0, {{4, 4}, {7, 7}, pass, {7, 5}, pass, {5, 7}}, "Il y a déjà une pierre ici !",
         frenchOver + "Blanc a 3 points et Noir a 1 points.\nBlanc gagne de 2.0 points !"},
        // A fractional score is truncated in the counts, not in the margin.
        {kEnglish, 0.5f, {{4, 4}, {7, 7}}, "There is already a stone here!",
         englishOver + "White has 1 points and Black has 1 points.\nWhite wins by 0.5 points!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score.toStdString());
        GTPGoGameInfo info(0, 300);
        info.setKomi(c.komi);
        BoardView view(kWindowFrame, info, GTPGoColorEmpty, c.language);
        EXPECT_EQ(view.GTPEngine(), nullptr);
        clickAll(view, {{4, 4}, {4, 4}});
        EXPECT_EQ(view.InfoTextField()->text(), c.occupied);
        for (std::size_t i = 1; i < c.moves.size(); ++i) {
            if (c.moves[i] == pass) {
                view.PassButton()->click();
            } else {
                click(view, c.moves[i].first, c.moves[i].second);
            }
        }
        EXPECT_EQ(view.StoneList().at(GoBoardPoint(c.moves[1].first, c.moves[1].second)), GTPGoColorWhite);
        EXPECT_EQ(view.InfoTextField()->text(), "") << "an accepted move empties the message";

        view.PassButton()->click();
        EXPECT_EQ(view.ToPlay(), GTPGoColorWhite);
        EXPECT_TRUE(view.LastMove().marksNothing());
        EXPECT_FALSE(view.DisplayCount());
        view.PassButton()->click();
        EXPECT_TRUE(view.GoGame().IsGameOver());
        EXPECT_EQ(view.InfoTextField()->text(), c.score);
        EXPECT_TRUE(view.DisplayCount());
        const std::size_t stones = view.StoneList().size();
        click(view, 0, 0);
        EXPECT_EQ(view.StoneList().size(), stones) << "no stone after the end";
    }
}
