// A full repaint of the 800 x 600 board screen into an image, with the info
// column's controls: a position of 60 stones played by clicks (passes keep each
// stone in its colour), then either the
// game going on (last-move ring, refused-move cross, the hover stone) or the
// game counted (a number on every stone).
#include "board/BoardView.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void clickAt(BoardView& view, int column, int row)
{
    const QPointF at(view.getPosX(static_cast<float>(column)), view.height() - view.getPosY(static_cast<float>(row)));
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }
}

// Argument 0: the game goes on; argument 1: it was counted.
void BM_FullRepaint(benchmark::State& state)
{
    BoardView view(QRect(0, 0, 800, 600), GTPGoGameInfo(0, 600), GTPGoColorEmpty, "English");
    // Black on the left with two eyes, White on the right with one, a ragged border
    // between them; the two rightmost columns stay free.
    for (int column = 0; column < 7; ++column) {
        for (int row = 0; row < 9; ++row) {
            const bool eye = (column == 1 && (row == 2 || row == 6)) || (column == 5 && row == 4);
            const GTPGoColor color = column < 3 || (column == 3 && row % 2 == 0) ? GTPGoColorBlack : GTPGoColorWhite;
            if (!eye) {
                if (view.GoGame().ColorToMove() != color) {
                    view.onPass();
                }
                clickAt(view, column, row);
            }
        }
    }
    clickAt(view, 3, 5); // occupied: the cross
    if (state.range(0) == 1) {
        view.onPass();
        view.onPass();
    } else {
        const QPointF hover(view.getPosX(8), view.height() - view.getPosY(4));
        QMouseEvent move(QEvent::MouseMove, hover, view.mapToGlobal(hover), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
    }
    state.counters["stones"] = static_cast<double>(view.GoGame().Board().Stones().size());

    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
