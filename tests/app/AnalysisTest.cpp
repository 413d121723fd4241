// A whole game analysed by real GNU Go: the planted blunder found and marked,
// none found where GNU Go chose every move, a cancel that leaves no process,
// and an analysed file that shows its analysis again without a coach.
#include "tests/app/AppUnderTest.h"

#include "app/AnalysisController.h"
#include "app/AnalysisWindow.h"
#include "app/BoardCoach.h"
#include "coach/Coach.h"
#include "sgf/SGFWriter.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/GnuGo.h"

#include <QChart>
#include <QScatterSeries>

#include <fstream>

namespace {
constexpr int kAnalysisWaitMs = 120000;

AnalysisController& analysisOf(const App& app)
{
    return *app.screen<BoardViewController>()->findChild<AnalysisController*>();
}

// The moves marked on the graph, by series: "Black's big mistakes: 7".
std::map<QString, std::vector<int>> marked(const AnalysisWindow& window)
{
    std::map<QString, std::vector<int>> marks;
    for (QAbstractSeries* series : window.chart()->series()) {
        if (auto* scatter = qobject_cast<QScatterSeries*>(series)) {
            for (const QPointF& point : scatter->points()) {
                marks[scatter->name()].push_back(static_cast<int>(point.x()));
            }
        }
    }
    return marks;
}

// A game file of GNU Go's own moves (seeded, at the coach's level), but for the moves forced, by index.
QString gameFile(const QTemporaryDir& dir, std::size_t moves, const std::map<std::size_t, std::string>& forced = {},
                 const std::string& seed = "1")
{
    GnuGoSession gnugo({"--level", "8", "--seed", seed});
    SGFGameRecord record;
    GTPGoColor color = GTPGoColorBlack;
    for (std::size_t i = 0; i < moves; ++i, color = getOppositeColor(color)) {
        const std::string letter = color == GTPGoColorBlack ? "B" : "W";
        const std::string move = forced.contains(i) ? forced.at(i) : body(gnugo.command("genmove " + letter));
        if (forced.contains(i)) {
            gnugo.command("play " + letter + " " + move);
        }
        record.Moves.push_back(move == "PASS" ? GTPGoMove::pass(color) : GTPGoMove::stone(color, pointOf(move)));
    }
    const QString path = dir.filePath("game.sgf");
    std::ofstream(path.toStdString()) << SGFWriter::write(record);
    return path;
}
}

// Black passes at move 7, where GNU Go's best move is worth some 25 points;
// every other move is GNU Go's own.
TEST(Analysis, aPlantedBlunderIsBlacksBiggestMistakeMarkedOnTheGraphAndComesBackFromTheFileWithoutACoach)
{
    App app;
    const QString file = gameFile(app.dir, 30, {{6, "PASS"}});
    for (int opening = 0; opening < 2; ++opening) {
        app.delegate.openGame(file, GTPGoColorEmpty);
        AnalysisController& analysis = analysisOf(app);
        if (opening == 0) {
            analysis.analyse();
            ASSERT_TRUE(QTest::qWaitFor([&] { return analysis.result().has_value(); }, kAnalysisWaitMs));
        }
        ASSERT_TRUE(analysis.window() != nullptr && analysis.window()->isVisible()) << opening;
        EXPECT_EQ(analysis.window()->listedMistakes().at(0), 7) << opening;
        EXPECT_GE(analysis.result()->at(6).Loss, 20) << opening;
        EXPECT_TRUE(std::ranges::count(marked(*analysis.window())[AnalysisWindow::tr("Black's big mistakes")], 7)) << opening;
        EXPECT_EQ(analysis.processId(), 0) << "no analysis runs";
        EXPECT_FALSE(app.screen<BoardViewController>()->findChild<BoardCoach*>()->coach().isRunning());
    }
    QTest::qWait(200); // the chart lays itself out from the event loop
    const QDir build(QCoreApplication::applicationDirPath() + "/../..");
    EXPECT_TRUE(build.mkpath("screenshots") && analysisOf(app).window()->grab().save(build.filePath("screenshots/analysis.png")));
    // In review N goes to the mistake and frames the better move.
    app.press(Qt::Key_R);
    app.press(Qt::Key_Home);
    app.press(Qt::Key_N);
    ASSERT_NE(app.board()->GoGame().getNodeToDisplay(), nullptr);
    EXPECT_EQ(app.board()->GoGame().getNodeToDisplay()->TurnNumber() + 1, 7);
    EXPECT_EQ(app.board()->overlay().Frames.size(), 1u);
}

// Where GNU Go chose every move at the coach's own level, nothing is a big
// mistake; a cancel in the middle ends the process and the game goes on.
TEST(Analysis, gnuGosOwnMovesAreNoBigMistakesAndACancelLeavesNoProcess)
{
    App app;
    app.delegate.openGame(gameFile(app.dir, 16, {}, "2"), GTPGoColorEmpty);
    AnalysisController& analysis = analysisOf(app);
    analysis.analyse();
    ASSERT_TRUE(QTest::qWaitFor([&] { return analysis.result().has_value(); }, kAnalysisWaitMs));
    EXPECT_TRUE(marked(*analysis.window())[AnalysisWindow::tr("Black's big mistakes")].empty());
    EXPECT_TRUE(marked(*analysis.window())[AnalysisWindow::tr("White's big mistakes")].empty());

    app.delegate.openGame(gameFile(app.dir, 30), GTPGoColorEmpty);
    AnalysisController& cancelled = analysisOf(app);
    cancelled.analyse();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cancelled.processId() > 0; }));
    const auto pid = static_cast<pid_t>(cancelled.processId());
    QTest::keyClick(cancelled.window()->findChild<QPushButton*>(), Qt::Key_Space);
    EXPECT_EQ(cancelled.processId(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !processExists(pid); }, 2000)) << "the analysis outlived its cancel";
    const std::size_t turns = app.board()->GoGame().Turns().size();
    app.click(0, 8);
    app.click(8, 0);
    EXPECT_GT(app.board()->GoGame().Turns().size(), turns) << "the board is still played on";
}
