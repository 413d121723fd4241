// A full repaint of the 800 x 600 board screen into an image: 81 stones, the
// last-move ring, the refused-move cross, the count numbers and the hover stone
// (on a point left free for it), plus the info column's controls.
#include "board/BoardView.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// Argument 1: all 81 points hold a stone (the hover finds none free). Argument 0:
// 80 stones with the hover stone on the free point, 81 discs in all.
void BM_FullRepaint(benchmark::State& state)
{
    BoardView view(QRect(0, 0, 800, 600), GTPGoGameInfo(0, 600), GTPGoColorEmpty, "English");
    BoardView::StoneMap stones;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            stones[GoBoardPoint(x, y)] = (x + y) % 2;
        }
    }
    if (state.range(0) == 0) {
        stones.erase(GoBoardPoint(4, 4));
    }
    view.setStoneList(stones);
    view.setLastMove(GoBoardPoint(3, 5));
    view.setForbiddenMove(GoBoardPoint(5, 3));
    view.setDisplayCount(true);
    view.setMouseLocationToUpdate(QPointF(view.getPosX(4), view.getPosY(4)));

    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
