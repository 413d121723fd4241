#include "engine/GTPGoEngineWrapper.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#ifdef FAKE_GTP_ENGINE
namespace {

// generateMove until HasPlayed, the fake engine answering at once. Reports the
// median of single round trips besides Google Benchmark's mean.
void GenmoveToHasPlayed(benchmark::State& state)
{
    GTPGoEngineWrapper wrapper(QStringLiteral("fake"),
                               GTPEngineCommand{FAKE_GTP_ENGINE, {"--genmove-otherwise", "E5"}});
    QEventLoop loop;
    QObject::connect(&wrapper, &GTPGoEngineWrapper::HasPlayed, &loop, &QEventLoop::quit);
    QObject::connect(&wrapper, &GTPGoEngineWrapper::EngineFailed, &loop, [&loop, &state](const QString& reason) {
        state.SkipWithError(reason.toStdString().c_str());
        loop.quit();
    });
    std::vector<double> microseconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        wrapper.generateMove(GTPGoColorWhite, 30, 1);
        loop.exec();
        microseconds.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    if (!microseconds.empty()) {
        std::nth_element(microseconds.begin(), microseconds.begin() + static_cast<std::ptrdiff_t>(microseconds.size() / 2),
                         microseconds.end());
        state.counters["median_us"] = microseconds[microseconds.size() / 2];
    }
}

}

BENCHMARK(GenmoveToHasPlayed)->Unit(benchmark::kMicrosecond);
#endif
