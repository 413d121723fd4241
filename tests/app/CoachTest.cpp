// The coach as the player meets it: the Coach menu's keys, the marks on the
// board, the words in the panel; against the fake engine in the coach's place
// for what GNU Go will not do on demand, and against real GNU Go for positions
// with one right answer.
#include "tests/app/AppUnderTest.h"

#include "app/BoardCoach.h"
#include "app/CoachPanel.h"
#include "coach/Coach.h"
#include "coach/CoachWords.h"
#include "tests/support/ExpectedGtp.h"

#include <QAction>
#include <QSignalSpy>

namespace {
// The coach's actions, by their menu text.
QAction* coachAction(const App& app, const QString& text)
{
    const auto actions = app.delegate.window()->findChildren<QAction*>();
    return *std::ranges::find(actions, text, &QAction::text);
}

void play(const App& app, const QStringList& vertices)
{
    for (const QString& vertex : vertices) {
        app.click(static_cast<int>(QString("ABCDEFGHJ").indexOf(vertex.at(0))), vertex.mid(1).toInt() - 1);
    }
}

QString panel(const App& app)
{
    return app.delegate.window()->findChild<CoachPanel*>()->text();
}

const Coach& coachOf(const App& app)
{
    return app.screen<BoardViewController>()->findChild<BoardCoach*>()->coach();
}

// The hint's discs as "1:E4 2:D3".
QString discs(const App& app)
{
    QStringList shown;
    for (const BoardOverlay::Disc& disc : app.board()->overlay().Discs) {
        shown << disc.Label + ":" + CoachWords::point(disc.Point);
    }
    return shown.join(' ');
}

void useCoach(const QString& options)
{
    qputenv("HOSHI_COACH", (QString(FAKE_GTP_ENGINE) + " " + options).toUtf8());
}
}

// A hint asked for just before a move is not drawn on the next position; the
// next one is, on the player's turn only. While the coach comments and shows
// territory, the engine hears exactly what it hears without a coach. Review
// steps in a burst make one request wait, not one each. A coach that dies
// takes its menu with it, and the game goes on.
TEST(Coach, itAnswersForThePositionShownQueuesOneRequestAndItsDeathLeavesTheGameAlone)
{
    App app;
    const QString coachRecord = app.dir.filePath("coach.txt");
    useCoach("--record " + coachRecord + " --answer 'top_moves_black=E4 12.5 D3 3.0' --split 4 --split-pause-ms 5");
    qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --record " + app.dir.filePath("engine.txt").toUtf8()
                                + " --genmove E5 --genmove F6 --genmove G7");
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorBlack, "English");
    QSignalSpy hints(&coachOf(app), &Coach::HintReady), comments(&coachOf(app), &Coach::CommentReady);
    coachAction(app, AppDelegate::tr("&Comment My Moves"))->setChecked(true);
    app.press(Qt::Key_Question);
    play(app, {"C3"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return hints.size() == 1 && comments.size() == 1; }));
    EXPECT_EQ(discs(app), "") << "the hint was for the empty board";
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.board()->GoGame().Turns().size() == 2; }));
    app.press(Qt::Key_Question);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hints.size() == 2; }));
    EXPECT_EQ(discs(app), "1:E4 2:D3");
    // C3 is none of the coach's candidates: worth no more than its least, D3.
    EXPECT_TRUE(panel(app).contains(CoachWords::mistake(GTPGoMove::stone(GTPGoColorBlack, {3, 3}), 9.5, GTPGoPoint(5, 4), {})))
        << panel(app).toStdString();

    QSignalSpy territories(&coachOf(app), &Coach::TerritoryReady);
    for (const QString move : {"D4", "C5"}) {
        const std::size_t turns = app.board()->GoGame().Turns().size();
        play(app, {move});
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.board()->GoGame().Turns().size() == turns + 2; }));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return comments.size() == 3; })) << "the coach is idle";
    app.press(Qt::Key_T);
    app.press(Qt::Key_R);
    for (int step = 0; step < 4; ++step) {
        app.press(Qt::Key_Left);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return territories.size() == 2; }));
    EXPECT_EQ(fakeEngineRecord(coachRecord).filter("initial_influence").size(), 2) << "one running, the last waiting";
    QStringList opponentHeard = expectedStartLineList(0);
    for (const QString move : {"C3", "D4", "C5"}) {
        opponentHeard << "play B " + move << "time_left W 300 0" << "genmove W";
    }
    EXPECT_EQ(app.received(), opponentHeard) << "as without a coach";

    useCoach("--crash-after 1");
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorBlack, "English");
    app.press(Qt::Key_Question);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !coachAction(app, AppDelegate::tr("&Hint"))->isEnabled(); }));
    EXPECT_EQ(panel(app), CoachWords::unavailable());
    play(app, {"C3"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.board()->GoGame().Turns().size() == 2; })) << "the game goes on";
}

// Real GNU Go on positions with one right answer: a stone in atari is
// captured by hint 1, a move into atari is a mistake whose stones are named,
// and a sealed corner is drawn as its owner's territory.
TEST(Coach, gnuGoCapturesTheStoneInAtariNamesTheSelfAtariAndSeesTheSealedCorner)
{
    App app;
    qunsetenv("HOSHI_COACH");
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    QSignalSpy hints(&coachOf(app), &Coach::HintReady);
    play(app, {"D5", "E5", "E6", "A1", "F5", "A2"}); // White's E5 has one liberty left: E4
    app.press(Qt::Key_Question);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hints.size() == 1; }, 20000));
    EXPECT_TRUE(discs(app).startsWith("1:E4")) << discs(app).toStdString();

    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    coachAction(app, AppDelegate::tr("&Comment My Moves"))->setChecked(true);
    play(app, {"A9", "D5", "B9", "F5", "C9", "E6", "E5"}); // Black's E5 walks into atari
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel(app).contains("(at E4)"); }, 30000)) << panel(app).toStdString();
    EXPECT_TRUE(panel(app).contains(CoachWords::tr("Your stones at %1 can be captured (at %2).").arg("E5", "E4")));
    EXPECT_TRUE(panel(app).startsWith("E5 lost about ")) << panel(app).toStdString();

    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    QSignalSpy territories(&coachOf(app), &Coach::TerritoryReady);
    play(app, {"D1", "F5", "D2", "F6", "D3", "G5", "D4", "G6", "C4", "F4", "B4", "G4", "A4", "F3"});
    app.press(Qt::Key_T);
    ASSERT_TRUE(QTest::qWaitFor([&] { return territories.size() == 1; }, 20000));
    QStringList blackCorner;
    for (const BoardOverlay::Square& square : app.board()->overlay().Squares) {
        if (square.Color.lightness() < 100 && square.Point.X() <= 3 && square.Point.Y() <= 3) {
            blackCorner << CoachWords::point(square.Point);
        }
    }
    EXPECT_EQ(blackCorner.size(), 9) << blackCorner.join(' ').toStdString();
    EXPECT_TRUE(panel(app).contains("Black leads") || panel(app).contains("White leads")) << panel(app).toStdString();
    app.press(Qt::Key_Question);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !discs(app).isEmpty(); }, 20000));
    const QDir build(QCoreApplication::applicationDirPath() + "/../..");
    EXPECT_TRUE(build.mkpath("screenshots") && app.delegate.window()->grab().save(build.filePath("screenshots/coach.png")));
}
