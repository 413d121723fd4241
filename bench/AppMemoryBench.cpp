#include "app/AppDelegate.h"
#include "app/BoardViewController.h"
#include "board/BoardView.h"

#include <QCoreApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* GnuGo = "/usr/games/gnugo";
constexpr int MovesPerSide = 30;
constexpr int EngineWaitMs = 20000;

double statusMB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == field) {
            double kB = 0;
            status >> kB;
            return kB / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// Clicks the intersections in order until the board takes one, as a player
// looking for a legal point would; false when none is left.
bool playSomewhere(BoardView& view, int& next)
{
    const std::size_t before = view.GoGame().Turns().size();
    for (; next < 81; ++next) {
        const int column = (next * 4) % 9;
        const int row = next / 9;
        const QPoint at(qRound(view.getPosX(column)), qRound(view.height() - view.getPosY(row)));
        QTest::mouseClick(&view, Qt::LeftButton, {}, at);
        if (view.GoGame().Turns().size() > before) {
            return true;
        }
    }
    return false;
}

// The whole program as a player has it: window, board screen, GNU Go; 30
// moves each, then the resident set size.
void BM_ResidentMemoryAfterSixtyMoveGame(benchmark::State& state)
{
    if (::access(GnuGo, X_OK) != 0) {
        state.SkipWithError("GNU Go is not installed");
        return;
    }
    qputenv("HOSHI_ENGINE", QByteArray(GnuGo) + " --mode gtp --level 1 --seed 3");
    for (auto _ : state) {
        AppDelegate delegate;
        delegate.window()->setCentralWidget(
            new BoardViewController(GTPGoGameInfo(0, 300), GTPGoColorBlack, "English"));
        delegate.window()->show();
        auto* view = delegate.window()->centralWidget()->findChild<BoardView*>();
        int next = 0;
        int moves = 0;
        while (moves < 2 * MovesPerSide && !view->GoGame().IsGameOver()) {
            const std::size_t turns = view->GoGame().Turns().size();
            if (!playSomewhere(*view, next)
                || !QTest::qWaitFor([&] { return view->GoGame().Turns().size() == turns + 2; }, EngineWaitMs)) {
                break;
            }
            moves += 2;
        }
        QCoreApplication::processEvents();
        state.counters["moves"] = moves;
        state.counters["resident_MB"] = statusMB("VmRSS:");
        state.counters["peak_resident_MB"] = statusMB("VmHWM:");
    }
}

// Ten games started and resigned in one run, each with a move answered by GNU Go:
// how much resident memory grows over games 2 to 10 (the first loads what every
// game shares: fonts, pixmaps, plugins).
void BM_ResidentGrowthOverTenGames(benchmark::State& state)
{
    if (::access(GnuGo, X_OK) != 0) {
        state.SkipWithError("GNU Go is not installed");
        return;
    }
    qputenv("HOSHI_ENGINE", QByteArray(GnuGo) + " --mode gtp --level 1 --seed 1");
    for (auto _ : state) {
        AppDelegate delegate;
        delegate.window()->show();
        double afterFirst = 0;
        for (int game = 1; game <= 10; ++game) {
            delegate.window()->setCentralWidget(
                new BoardViewController(GTPGoGameInfo(0, 300), GTPGoColorBlack, "English"));
            auto* view = delegate.window()->centralWidget()->findChild<BoardView*>();
            int next = 0;
            if (!playSomewhere(*view, next)
                || !QTest::qWaitFor([&] { return view->GoGame().Turns().size() == 2; }, EngineWaitMs)) {
                state.SkipWithError("GNU Go did not answer");
                return;
            }
            view->onResign();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (game == 1) {
                afterFirst = statusMB("VmRSS:");
            }
        }
        state.counters["growth_MB"] = statusMB("VmRSS:") - afterFirst;
    }
}

} // namespace

BENCHMARK(BM_ResidentMemoryAfterSixtyMoveGame)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResidentGrowthOverTenGames)->Iterations(1)->Unit(benchmark::kMillisecond);
