// What keeping the game after every move costs: on the board's thread, making
// the record and handing it over; on the keeper's thread, the atomic write.
#include "app/BoardViewController.h"
#include "app/GameArchive.h"
#include "app/GameKeeper.h"
#include "tests/support/RandomMoveDrawer.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr std::size_t kTurns = 120;

// A two-player game of 120 seeded random turns, on its screen.
std::unique_ptr<BoardViewController> playedGame()
{
    auto game = std::make_unique<GTPGoGame>(GTPGoGameInfo(0, 600), [] { return 0.0; });
    RandomMoveDrawer drawer(7);
    while (game->Turns().size() < kTurns) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        game->playMove(drawer.draw(*game), message);
    }
    return std::make_unique<BoardViewController>(std::move(game), GTPGoColorEmpty, QStringLiteral("English"),
                                                 SGFGameRecord(), QString());
}

void BM_KeepAfterAMove(benchmark::State& state)
{
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const auto screen = playedGame();
    GameKeeper keeper(QDateTime::currentDateTime());
    for (auto _ : state) {
        keeper.keep(screen->gameRecord() + (state.iterations() % 2 == 0 ? "" : "\n"));
    }
    keeper.finish();
}
BENCHMARK(BM_KeepAfterAMove)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_WriteKeptFile(benchmark::State& state)
{
    const QTemporaryDir home(QDir::currentPath() + QStringLiteral("/keeper-XXXXXX"));
    const std::string record = playedGame()->gameRecord();
    const QString path = home.filePath(QStringLiteral("game.sgf"));
    for (auto _ : state) {
        if (GameArchive::write(path, record)) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(record.size());
}
BENCHMARK(BM_WriteKeptFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}
