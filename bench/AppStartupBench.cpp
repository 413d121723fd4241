#include "XvfbDisplay.h"

#include "app/MainMenuViewController.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

extern XvfbDisplay* benchDisplay;

namespace {

constexpr int GiveUpMs = 15000;

// Windows come and go between looking and reading; Xlib's default handler would exit.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

struct XDisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The mapped top-level window titled "hoshi", or 0.
Window findHoshiWindow(Display* display)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::strcmp(name, "hoshi") == 0 && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
        }
    }
    XFree(children);
    return found;
}

// The pixels of a rectangle of the window, for comparing with the settled menu.
std::vector<unsigned long> pixels(Display* display, Window window, const QRect& area)
{
    std::vector<unsigned long> result;
    XImage* image = XGetImage(display, window, area.x(), area.y(), area.width(), area.height(), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return result;
    }
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            result.push_back(XGetPixel(image, x, y));
        }
    }
    XDestroyImage(image);
    return result;
}

// Starts the binary and waits until its window shows `expected` in `area`
// (the menu's buttons); the milliseconds that took, or -1.
double launchToFirstPaint(Display* display, const QRect& area, std::vector<unsigned long>* expected)
{
    QProcess hoshi;
    hoshi.setProcessEnvironment(benchDisplay->environment());
    hoshi.setStandardOutputFile(QProcess::nullDevice());
    hoshi.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    hoshi.start(HOSHI_BINARY, {});
    double elapsed = -1;
    while (timer.elapsed() < GiveUpMs) {
        const Window window = findHoshiWindow(display);
        if (window != 0) {
            if (expected->empty()) {
                // First launch: let the menu settle and keep it as the reference.
                hoshi.waitForFinished(1000);
                *expected = pixels(display, window, area);
                elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                break;
            }
            if (pixels(display, window, area) == *expected) {
                elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                break;
            }
        }
        XSync(display, False);
    }
    hoshi.terminate();
    if (!hoshi.waitForFinished(GiveUpMs)) {
        hoshi.kill();
        hoshi.waitForFinished(GiveUpMs);
    }
    return elapsed;
}

void BM_LaunchToMainMenuFirstPaint(benchmark::State& state)
{
    if (benchDisplay == nullptr) {
        state.SkipWithError("no X server");
        return;
    }
    std::unique_ptr<Display, XDisplayCloser> display(XOpenDisplay(qPrintable(benchDisplay->display())));
    if (!display) {
        state.SkipWithError("cannot open the X display");
        return;
    }
    XSetErrorHandler(ignoreXErrors);
    // Keep the pointer off the window so no button is drawn hovered.
    XWarpPointer(display.get(), None, DefaultRootWindow(display.get()), 0, 0, 0, 0, 1000, 750);
    XSync(display.get(), False);
    MainMenuViewController menu;
    const QRect area = menu.BlackPachiButton()->geometry().united(menu.TwoPlayersButton()->geometry());
    static std::vector<unsigned long> expected;
    if (expected.empty() && launchToFirstPaint(display.get(), area, &expected) < 0) {
        state.SkipWithError("the window never appeared");
        return;
    }
    for (auto _ : state) {
        const double ms = launchToFirstPaint(display.get(), area, &expected);
        if (ms < 0) {
            state.SkipWithError("the menu was not painted in time");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
    }
}

} // namespace

BENCHMARK(BM_LaunchToMainMenuFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
