// One move of the weakest strength step (GNU Go's candidates, a pick, a play)
// against one "genmove" of plain GNU Go at level 1, through the engine link on
// the same middle-game position: the weak step may cost at most 50 ms more.
#include "engine/GTPEngineLocator.h"
#include "engine/GTPGoEngineWrapper.h"
#include "strength/OpponentStrength.h"

#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// GNU Go's own seeded opening at level 10, Black to play.
const std::pair<int, int> kMiddleGame[] = {{5, 5}, {4, 4}, {5, 4}, {4, 3}, {4, 5},
                                           {5, 3}, {7, 3}, {7, 7}, {8, 4}, {4, 7}};

void OneMove(benchmark::State& state, const char* stepId)
{
    const StrengthStep& step = *OpponentStrength::find(stepId);
    const GTPEngineLocator locator([](const std::string&) { return std::nullopt; },
                                   [](const std::string& path) { return path == GTPEngineLocator::DebianGnuGoPath; });
    std::optional<GTPEngineCommand> command = locator.locate(OpponentStrength::numberOf(step));
    if (!command) {
        state.SkipWithError("GNU Go is not installed");
        return;
    }
    command->Arguments.insert(command->Arguments.end(), {"--seed", "1"});
    GTPGoEngineWrapper wrapper(QStringLiteral("GNU Go"), command);
    wrapper.setStrength(step, 1);
    wrapper.setGameInfo(GTPGoGameInfo());
    GTPGoColor color = GTPGoColorBlack;
    for (const auto& [x, y] : kMiddleGame) {
        wrapper.playMove(color, x, y);
        color = getOppositeColor(color);
    }
    QEventLoop loop;
    QObject::connect(&wrapper, &GTPGoEngineWrapper::HasPlayed, &loop, &QEventLoop::quit);
    QObject::connect(&wrapper, &GTPGoEngineWrapper::EngineFailed, &loop, [&loop, &state](const QString& reason) {
        state.SkipWithError(reason.toStdString().c_str());
        loop.quit();
    });
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        wrapper.generateMove(color, 300, 0);
        loop.exec();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        milliseconds.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
        // Back to the same position for the next move.
        wrapper.undo();
    }
    if (!milliseconds.empty()) {
        std::ranges::nth_element(milliseconds, milliseconds.begin() + static_cast<std::ptrdiff_t>(milliseconds.size() / 2));
        state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    }
}

}

BENCHMARK_CAPTURE(OneMove, WeakestStep, "beginner-1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OneMove, GnuGoLevel1Genmove, "gnugo-1")->Unit(benchmark::kMillisecond);
