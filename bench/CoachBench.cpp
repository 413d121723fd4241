// The coach at a real board: from the Hint key to its marks on the board, on a
// 30-move position with GNU Go at the coach's level, and the coach process's
// resident memory once it has answered; and the analysis of a 60-move game.
#include "app/BoardCoach.h"
#include "app/CoachPanel.h"
#include "board/BoardView.h"
#include "coach/Coach.h"
#include "coach/GameAnalysis.h"

#include <QElapsedTimer>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {
// A 30-move game of GNU Go's own opening style, Black to play.
constexpr const char* kGame = "E5 D4 E4 D3 D5 E3 G3 G7 H4 D7 C5 B4 F3 F2 G2 E2 C4 C3 B5 F7 E7 E8 F6 G6 F8 G8 D8 E9 D6 C7";
constexpr int kAnswerWaitMs = 20000;

double residentMB(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string key; status >> key;) {
        if (key == "VmRSS:") {
            double kB = 0;
            status >> kB;
            return kB / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void BM_HintUntilMarked(benchmark::State& state)
{
    qunsetenv("HOSHI_COACH");
    auto game = std::make_unique<GTPGoGame>(GTPGoGameInfo(0, 600), [] { return 0.0; });
    for (const QString& vertex : QString(kGame).split(' ')) {
        const GTPGoPoint point(static_cast<std::int32_t>(QString("ABCDEFGHJ").indexOf(vertex[0])) + 1, vertex.mid(1).toInt());
        GTPGoMoveMessage message = GTPGoMessageNone;
        if (!game->playMove(GTPGoMove::stone(game->ColorToMove(), point), message)) {
            state.SkipWithError("the game's moves do not play");
            return;
        }
    }
    BoardView board(QRect(0, 0, 800, 600), std::move(game), GTPGoColorEmpty, QStringLiteral("English"));
    CoachPanel panel;
    BoardCoach coach(board, panel);
    for (auto _ : state) {
        board.setOverlay(BoardOverlay::Layer::Coach, {});
        coach.hint();
        if (!QTest::qWaitFor([&] { return !board.overlay().Discs.empty(); }, kAnswerWaitMs)) {
            state.SkipWithError("the coach gave no hint");
            break;
        }
        // Each hint is for a new position, from 30 moves down to 21.
        state.PauseTiming();
        board.takeBack();
        state.ResumeTiming();
    }
    state.counters["coach_MB"] = residentMB(coach.coach().processId());
}
BENCHMARK(BM_HintUntilMarked)->Unit(benchmark::kMillisecond)->Iterations(10);
}

namespace {
// GNU Go's 60 moves against itself (level 1, seed 4).
constexpr const char* kSixtyMoves = "E5 C4 E3 C7 G7 G3 C2 D5 E6 E8 F8 G5 D8 C8 E7 E4 F4 D4 G4 H4 F3 G2 G6 H5 F5 J8 B3 B4 H8 "
                                    "A3 J7 A2 C9 C3 B8 D2 E2 B7 D3 B2 D1 A8 B9 F2 D6 C6 H6 F1 J5 J3 E1 B1 C1 D7 D9 H2 J6 "
                                    "J4 E9 A7";

// The whole analysis of a 60-move game, from the start of the coach process to its last figure.
void BM_AnalyseSixtyMoveGame(benchmark::State& state)
{
    qunsetenv("HOSHI_COACH");
    std::vector<GTPGoMove> moves;
    GTPGoColor color = GTPGoColorBlack;
    for (const QString& vertex : QString(kSixtyMoves).split(' ')) {
        moves.push_back(GTPGoMove::stone(color, {static_cast<std::int32_t>(QString("ABCDEFGHJ").indexOf(vertex[0])) + 1,
                                                  vertex.mid(1).toInt()}));
        color = getOppositeColor(color);
    }
    int mistakes = 0;
    for (auto _ : state) {
        GameAnalysis analysis(GTPGoGameInfo(0, 600), moves);
        bool done = false;
        QObject::connect(&analysis, &GameAnalysis::Finished, [&](const std::vector<AnalysedMove>& analysed) {
            mistakes = static_cast<int>(std::ranges::count_if(analysed, [](const auto& m) { return m.severity() > 0; }));
            done = true;
        });
        analysis.start();
        if (!QTest::qWaitFor([&] { return done; }, 300000)) {
            state.SkipWithError("the analysis did not finish");
            break;
        }
    }
    state.counters["mistakes"] = mistakes;
}
BENCHMARK(BM_AnalyseSixtyMoveGame)->Unit(benchmark::kSecond)->Iterations(1);
}
