#include "XvfbDisplay.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

// One X server for the whole run: the start-up benchmark starts the binary on
// it, and the in-process game uses it too, so both see the real xcb platform.
XvfbDisplay* benchDisplay = nullptr;

int main(int argc, char** argv)
{
    XvfbDisplay display;
    if (display.isRunning()) {
        benchDisplay = &display;
        qputenv("DISPLAY", display.display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        std::fprintf(stderr, "no X server (%s): offscreen only, start-up not measured\n",
                     qPrintable(display.failure()));
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
