// From a click on the board to the moment the "genmove" line has been written
// to the engine's pipe, against the fake engine (which answers every genmove
// with a pass, so the player keeps the stones and the turn comes back).
#include "board/BoardView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

// Clicks on one board before a fresh one is made: well short of a full board.
constexpr int kClicksPerBoard = 60;
constexpr int kAnswerTimeoutMilliseconds = 5000;

QString fakeEnginePath()
{
#ifdef HOSHI_FAKE_ENGINE
    return QStringLiteral(HOSHI_FAKE_ENGINE);
#else
    // <build>/bench holds this program, <build>/tests/support the fake engine.
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../tests/support/fake_gtp_engine"));
#endif
}

// Runs the event loop until the condition holds; false after the timeout.
template <typename Condition>
bool waitFor(Condition condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > kAnswerTimeoutMilliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// A left click as the window system delivers it: press, then release.
void click(QWidget* widget, QPoint position)
{
    const QPointF local(position);
    const QPointF global(widget->mapToGlobal(position));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class ClickToLine {
public:
    std::unique_ptr<BoardView> m_View;
    QProcess* m_Engine = nullptr;
    bool m_Written = false;
    int m_Clicks = 0;

    bool newBoard()
    {
        m_View.reset();
        m_View = std::make_unique<BoardView>(QRect(0, 0, 800, 600), GTPGoGameInfo(0, 600), GTPGoColorBlack, "English");
        m_Engine = m_View->findChild<QProcess*>();
        if (m_Engine == nullptr) {
            return false;
        }
        QObject::connect(m_Engine, &QProcess::bytesWritten, [this] { m_Written = true; });
        m_Clicks = 0;
        // Let the set-up lines go out before the first timed click.
        return waitFor([this] { return m_Engine->bytesToWrite() == 0 && m_Engine->state() == QProcess::Running; });
    }

    // The click's widget position on the next free point, row by row.
    QPoint nextPoint() const
    {
        const int column = m_Clicks % 9;
        const int row = m_Clicks / 9;
        return {qRound(m_View->getPosX(column)), qRound(m_View->height() - m_View->getPosY(row))};
    }
};

void BM_ClickToGenmoveLine(benchmark::State& state)
{
    qputenv("HOSHI_ENGINE", (fakeEnginePath() + QStringLiteral(" --record /dev/null")).toUtf8());
    if (!QFileInfo(fakeEnginePath()).isExecutable()) {
        state.SkipWithError("the fake engine is not built (target fake_gtp_engine)");
        return;
    }
    ClickToLine bench;
    std::vector<double> samples;
    for (auto _ : state) {
        if (bench.m_Clicks == 0 || bench.m_Clicks == kClicksPerBoard) {
            if (!bench.newBoard()) {
                state.SkipWithError("the fake engine did not start");
                return;
            }
        }
        bench.m_Written = false;
        const QPoint point = bench.nextPoint();
        const auto start = std::chrono::steady_clock::now();
        click(bench.m_View.get(), point);
        // Lines are written by the event loop; the pipe has them once bytesWritten fires.
        while (!bench.m_Written || bench.m_Engine->bytesToWrite() > 0) {
            QCoreApplication::processEvents();
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        samples.push_back(elapsed.count() * 1e6);
        ++bench.m_Clicks;

        // The engine's pass gives the turn back; not timed.
        BoardView& view = *bench.m_View;
        if (!waitFor([&view] { return view.GoGame().ColorToMove() == GTPGoColorBlack; })) {
            state.SkipWithError("the fake engine did not answer");
            return;
        }
    }
    std::sort(samples.begin(), samples.end());
    if (!samples.empty()) {
        state.counters["median_us"] = samples[samples.size() / 2];
    }
    qunsetenv("HOSHI_ENGINE");
}

BENCHMARK(BM_ClickToGenmoveLine)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(3);

// Taking a move back, from the call to the board repainted: a two-player game of
// 40 moves, each move taken back and played again (only the take back is timed).
void BM_TakeBackAndRedraw(benchmark::State& state)
{
    BoardView view(QRect(0, 0, 800, 600), GTPGoGameInfo(0, 600), GTPGoColorEmpty, "English");
    for (int i = 0; i < 40; ++i) {
        click(&view, QPoint(qRound(view.getPosX(static_cast<float>(i % 9))),
                            qRound(view.height() - view.getPosY(static_cast<float>(i / 9 * 2)))));
    }
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const GTPGoMove last = view.GoGame().getLastTurn()->Move();
        const auto start = std::chrono::steady_clock::now();
        view.takeBack();
        view.render(&image);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        click(&view, QPoint(qRound(view.getPosX(static_cast<float>(last.Point()->X() - 1))),
                            qRound(view.height() - view.getPosY(static_cast<float>(last.Point()->Y() - 1)))));
    }
}

} // namespace

BENCHMARK(BM_TakeBackAndRedraw)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(5)
    ->ReportAggregatesOnly(true);

namespace {

// Leaving a game whose engine ignores "quit", the end of its input and SIGTERM:
// how long the board screen takes to go (the engine is ended afterwards, by timers).
void BM_LeaveGameWithStubbornEngine(benchmark::State& state)
{
    qputenv("HOSHI_ENGINE", (fakeEnginePath() + QStringLiteral(" --linger")).toUtf8());
    for (auto _ : state) {
        auto view = std::make_unique<BoardView>(QRect(0, 0, 800, 600), GTPGoGameInfo(0, 600), GTPGoColorBlack,
                                                "English");
        auto* engine = view->findChild<QProcess*>();
        if (engine == nullptr || !waitFor([engine] { return engine->state() == QProcess::Running; })) {
            state.SkipWithError("the fake engine did not start");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        view.reset();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
    qunsetenv("HOSHI_ENGINE");
}

} // namespace

BENCHMARK(BM_LeaveGameWithStubbornEngine)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5);
