#include "rules/GTPGoAreaCounting.h"
#include "rules/GTPGoGame.h"
#include "tests/support/RandomMoveDrawer.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {
constexpr int kMaxAttempts = 400;
constexpr std::size_t kMaxTurns = 160;
constexpr std::uint32_t kSeeds = 64;
constexpr std::size_t kReviewTurns = 120;

GTPGoGame newGame()
{
    return GTPGoGame(GTPGoGameInfo(0, 600), [] { return 0.0; });
}

// Every move tried in one seeded random game, refused ones included, ending
// with the two passes. Drawn beforehand so that only the rules are timed.
std::vector<GTPGoMove> drawGame(std::uint32_t seed)
{
    GTPGoGame game = newGame();
    RandomMoveDrawer drawer(seed);
    std::vector<GTPGoMove> attempts;
    for (int attempt = 0; attempt < kMaxAttempts && game.Turns().size() < kMaxTurns; ++attempt) {
        attempts.push_back(drawer.draw(game));
        GTPGoMoveMessage message = GTPGoMessageNone;
        game.playMove(attempts.back(), message);
    }
    while (!game.IsGameOver()) {
        attempts.push_back(GTPGoMove::pass(game.ColorToMove()));
        GTPGoMoveMessage message = GTPGoMessageNone;
        game.playMove(attempts.back(), message);
    }
    return attempts;
}

GTPGoGame gameWithTurns(std::size_t turns)
{
    GTPGoGame game = newGame();
    RandomMoveDrawer drawer(7);
    while (game.Turns().size() < turns) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        game.playMove(drawer.draw(game), message);
    }
    return game;
}

void BM_WholeRandomGame(benchmark::State& state)
{
    std::vector<std::vector<GTPGoMove>> games;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        games.push_back(drawGame(seed));
    }
    std::size_t next = 0;
    std::int64_t attempts = 0;
    std::int64_t turns = 0;
    for (auto _ : state) {
        const std::vector<GTPGoMove>& moves = games[next++ % games.size()];
        GTPGoGame game = newGame();
        for (const GTPGoMove& move : moves) {
            GTPGoMoveMessage message = GTPGoMessageNone;
            benchmark::DoNotOptimize(game.playMove(move, message));
        }
        attempts += static_cast<std::int64_t>(moves.size());
        turns += static_cast<std::int64_t>(game.Turns().size());
        benchmark::DoNotOptimize(game.Result());
    }
    state.counters["attempts/game"] = benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
    state.counters["turns/game"] = benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeRandomGame)->Unit(benchmark::kMicrosecond);

// One iteration steps from the last turn to the first and back, one turn at a time.
void BM_ReviewStep(benchmark::State& state)
{
    GTPGoGame game = gameWithTurns(kReviewTurns);
    game.setPause(true);
    std::vector<GTPGoPoint> removals;
    std::vector<GTPGoMove> additions;
    const int stepsEachWay = static_cast<int>(kReviewTurns) - 1;
    for (auto _ : state) {
        for (int i = 0; i < stepsEachWay; ++i) {
            game.getBoardModifications(removals, additions, -1);
            benchmark::DoNotOptimize(additions.data());
        }
        for (int i = 0; i < stepsEachWay; ++i) {
            game.getBoardModifications(removals, additions, 1);
            benchmark::DoNotOptimize(removals.data());
        }
    }
    if (game.CurrentNode() != game.getLastTurn()) {
        state.SkipWithError("review did not come back to the last turn");
    }
    state.counters["per_step"] = benchmark::Counter(2.0 * stepsEachWay,
                                                    benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReviewStep)->Unit(benchmark::kMicrosecond);

void BM_VelkCounting(benchmark::State& state)
{
    const GTPGoGame game = gameWithTurns(kReviewTurns);
    state.counters["stones"] = static_cast<double>(game.Board().Stones().size());
    for (auto _ : state) {
        double white = 0;
        double black = 0;
        game.velkCounting(white, black);
        benchmark::DoNotOptimize(white);
        benchmark::DoNotOptimize(black);
    }
}
BENCHMARK(BM_VelkCounting);

// The end of a game GNU Go played against itself (seed 4), with its one dead stone.
const std::vector<std::string> kEndPosition = {
    "XXXXX....",
    "OXOX.X.XO",
    "OOOOX.X.X",
    "..OXX.XXX",
    "...OXXOOX",
    ".OOOOXXOO",
    "O.OXXXO.O",
    "OOX.XOOO.",
    ".OXXXO...",
};

GTPGoBoard endPositionBoard()
{
    GTPGoBoard::StoneMap stones;
    for (std::size_t row = 0; row < kEndPosition.size(); ++row) {
        for (std::size_t column = 0; column < kEndPosition[row].size(); ++column) {
            const char stone = kEndPosition[row][column];
            if (stone != '.') {
                stones[{static_cast<std::int32_t>(column) + 1, static_cast<std::int32_t>(kEndPosition.size() - row)}] =
                    static_cast<std::int32_t>(stone == 'X' ? GTPGoColorBlack : GTPGoColorWhite);
            }
        }
    }
    GTPGoBoard board(9, 0);
    board.setStones(stones);
    return board;
}

void BM_AreaCounting(benchmark::State& state)
{
    const GTPGoBoard board = endPositionBoard();
    const std::vector<GTPGoPoint> dead = {{9, 8}};
    double white = 0;
    double black = 0;
    for (auto _ : state) {
        areaCounting(board, dead, 7, white, black);
        benchmark::DoNotOptimize(white);
        benchmark::DoNotOptimize(black);
    }
    state.counters["stones"] = static_cast<double>(board.Stones().size());
    state.counters["black"] = black;
    state.counters["white"] = white;
}
// Repeated so that the median of the runs is printed.
BENCHMARK(BM_AreaCounting)->Repetitions(10)->ReportAggregatesOnly(true);
}
