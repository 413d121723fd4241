// The coach at a real board: from the Hint key to its marks on the board, on a
// 30-move position with GNU Go at the coach's level, and the coach process's
// resident memory once it has answered.
#include "app/BoardCoach.h"
#include "app/CoachPanel.h"
#include "board/BoardView.h"
#include "coach/Coach.h"

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
        board.setOverlay({});
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
