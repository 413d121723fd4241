#include "rules/GTPGoGame.h"
#include "sgf/SGFReader.h"
#include "sgf/SGFWriter.h"
#include "tests/support/RandomMoveDrawer.h"

#include <benchmark/benchmark.h>

namespace {
constexpr std::size_t kTurns = 120;

// A seeded random game of 120 accepted turns, captures and kos included.
SGFGameRecord gameRecord()
{
    SGFGameRecord record;
    record.Komi = 6.5;
    record.BlackName = "Ann";
    record.WhiteName = "GNU Go 3.8";
    record.Date = "2024-05-01";
    record.MainTime = 600;
    record.Result = "W+R";
    GTPGoGame game(GTPGoGameInfo(0, 600), [] { return 0.0; });
    RandomMoveDrawer drawer(7);
    while (game.Turns().size() < kTurns) {
        const GTPGoMove move = drawer.draw(game);
        GTPGoMoveMessage message = GTPGoMessageNone;
        if (game.playMove(move, message)) {
            record.Moves.push_back(move);
        }
    }
    return record;
}

void BM_WriteGame(benchmark::State& state)
{
    const SGFGameRecord record = gameRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SGFWriter::write(record));
    }
    state.counters["bytes"] = static_cast<double>(SGFWriter::write(record).size());
}
BENCHMARK(BM_WriteGame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Parsing and replaying every move through the rules.
void BM_ReadGame(benchmark::State& state)
{
    const SGFGameRecord record = gameRecord();
    const std::string text = SGFWriter::write(record);
    for (auto _ : state) {
        const SGFReadResult result = SGFReader::read(text);
        if (!result.Record || result.Record->Moves.size() != kTurns) {
            state.SkipWithError("the game did not read back");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ReadGame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}
