#include "XvfbDisplay.h"

#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {

constexpr const char* GnuGo = "/usr/games/gnugo";
constexpr int WindowWaitMs = 15000;
constexpr int ScreenWaitMs = 10000;
constexpr int EngineWaitMs = 20000;
constexpr int PollMs = 50;
constexpr std::size_t PlayerMoves = 3;

// The hoshi binary with its log (standard error) gathered as it comes.
class RunningHoshi {
public:
    explicit RunningHoshi(const QProcessEnvironment& environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(HOSHI_BINARY, {});
    }
    ~RunningHoshi()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(ScreenWaitMs);
        }
    }

    QProcess& process() { return m_process; }
    const QString& log()
    {
        m_log += QString::fromUtf8(m_process.readAll());
        return m_log;
    }
    // Waits until the log, from `from` on, satisfies the predicate.
    bool waitForLog(const std::function<bool(const QString&)>& predicate, qsizetype from, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!predicate(log().mid(from))) {
            if (timer.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning) {
                return false;
            }
            m_process.waitForReadyRead(PollMs);
        }
        return true;
    }

private:
    QProcess m_process;
    QString m_log;
};

// The engine's answer text: the log without the "... Read data: " prefixes that
// the engine link puts before each chunk it reads.
QString engineOutput(const QString& log)
{
    static const QRegularExpression prefix("^[^\\n]*?Read data: ", QRegularExpression::MultilineOption);
    QString text = log;
    return text.replace(prefix, QString());
}

std::optional<GoBoardPoint> answeredVertex(const QString& log)
{
    static const QRegularExpression answer("=\\s*([A-HJ-T])(\\d+)");
    const QRegularExpressionMatch match = answer.match(engineOutput(log));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QChar letter = match.captured(1).at(0);
    const int column = letter.unicode() - 'A' - (letter > 'I' ? 1 : 0);
    return GoBoardPoint(column, match.captured(2).toInt() - 1);
}

// Children of a process with the given command name, from /proc.
std::vector<qint64> childProcesses(qint64 parent, const QString& name)
{
    std::vector<qint64> children;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        QFile stat("/proc/" + entry + "/stat");
        if (!isPid || !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // pid (comm) state ppid ...
        const QString text = QString::fromLatin1(stat.readAll());
        const qsizetype open = text.indexOf('(');
        const qsizetype close = text.lastIndexOf(')');
        const QStringList rest = text.mid(close + 2).split(' ');
        if (text.mid(open + 1, close - open - 1) == name && rest.size() > 1 && rest[1].toLongLong() == parent) {
            children.push_back(pid);
        }
    }
    return children;
}

bool processHasEnded(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return true;
    }
    // A zombie has ended too; only its parent's bookkeeping is left.
    const QString text = QString::fromLatin1(stat.readAll());
    return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

bool isDark(QRgb pixel)
{
    return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) < 100;
}

// The board's wood has little blue; a white stone or the window's background
// has much of every channel.
bool isLight(QRgb pixel)
{
    return qMin(qRed(pixel), qMin(qGreen(pixel), qBlue(pixel))) > 200;
}

// Where the window shows things, taken from the screens themselves laid out
// offscreen: each screen fills the window's content from its top-left corner.
struct ScreenGeometry {
    QRect blackButton;
    QRect playButton;
    std::function<QPoint(const GoBoardPoint&)> intersection;
    std::function<QPoint(const GoBoardPoint&)> stoneSample;
};

ScreenGeometry screenGeometry()
{
    ScreenGeometry geometry;
    MainMenuViewController menu;
    geometry.blackButton = menu.BlackPachiButton()->geometry();
    GameInfoViewController setup(GTPGoColorBlack, "English");
    geometry.playButton = setup.PlayButton()->geometry();
    auto board = std::make_shared<BoardView>(QRect(0, 0, 800, 600), GTPGoGameInfo(), GTPGoColorEmpty, "English");
    geometry.intersection = [board](const GoBoardPoint& point) {
        return QPoint(qRound(board->getPosX(point.X())), qRound(board->height() - board->getPosY(point.Y())));
    };
    // Off the grid lines and the last-move mark, well inside the stone.
    geometry.stoneSample = [board](const GoBoardPoint& point) {
        const int offset = qRound(board->StoneRadius() * 0.3);
        return QPoint(qRound(board->getPosX(point.X())) + offset,
                      qRound(board->height() - board->getPosY(point.Y())) + offset);
    };
    return geometry;
}

// Polls screenshots until one satisfies the predicate; returns the last one.
QImage waitForScreen(const XvfbDisplay& x, const QString& window, const std::function<bool(const QImage&)>& predicate,
                     bool& satisfied)
{
    QElapsedTimer timer;
    timer.start();
    QImage shot;
    satisfied = false;
    while (timer.elapsed() < ScreenWaitMs) {
        shot = x.screenshot(window);
        if (!shot.isNull() && predicate(shot)) {
            satisfied = true;
            break;
        }
        QThread::msleep(PollMs);
    }
    return shot;
}

// True when the two shots differ outside the given rectangle (the control
// under the mouse, which changes with hovering alone).
bool differsOutside(const QImage& a, const QImage& b, const QRect& except)
{
    if (a.size() != b.size()) {
        return true;
    }
    for (int y = 0; y < a.height(); y += 2) {
        for (int x = 0; x < a.width(); x += 2) {
            if (!except.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) {
                return true;
            }
        }
    }
    return false;
}

void save(const QImage& shot, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
}

} // namespace

TEST(RealWindow, MenuThenPlayThenStonesFromE5GetGnuGosAnswersAndClosingLeavesNoEngine)
{
    if (::access(GnuGo, X_OK) != 0) {
        FAIL() << "GNU Go is not installed at " << GnuGo;
    }
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    const ScreenGeometry geometry = screenGeometry();

    QProcessEnvironment environment = x.environment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("HOSHI_ENGINE", QString(GnuGo) + " --mode gtp --level 1 --seed 1");
    RunningHoshi hoshi(environment);
    ASSERT_TRUE(hoshi.process().waitForStarted(WindowWaitMs));

    // 1. The window appears on the menu, at the top-left corner without a frame.
    const std::optional<QString> found =
        x.run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^hoshi$"}, WindowWaitMs);
    ASSERT_TRUE(found && !found->trimmed().isEmpty()) << hoshi.log().toStdString();
    const QString window = found->split('\n').first().trimmed();
    const std::optional<QString> shell = x.xdotool({"getwindowgeometry", "--shell", window});
    ASSERT_TRUE(shell);
    QMap<QString, int> values;
    for (const QString& line : shell->split('\n', Qt::SkipEmptyParts)) {
        values[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    }
    const QPoint origin(values.value("X"), values.value("Y"));
    EXPECT_EQ(values.value("WIDTH"), 800);
    EXPECT_EQ(values.value("HEIGHT"), 600);
    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
    bool shown = false;
    // Left of the button is the menu's light background once it is painted.
    const QPoint background(geometry.blackButton.left() / 2, geometry.blackButton.center().y());
    const QImage menuShot = waitForScreen(x, window, [&](const QImage& shot) {
        return isLight(shot.pixel(background)); }, shown);
    ASSERT_TRUE(shown) << "the menu was never painted";
    const QString shots = HOSHI_SCREENSHOT_DIR;
    save(menuShot, shots + "/1-menu.png");

    auto click = [&](QPoint point) {
        point += origin;
        return x.xdotool({"mousemove", "--sync", QString::number(point.x()), QString::number(point.y()), "click", "1"})
            .has_value();
    };

    // 2. Play against the engine as Black: the setup screen replaces the menu.
    ASSERT_TRUE(click(geometry.blackButton.center()));
    const QImage setupShot = waitForScreen(x, window, [&](const QImage& shot) {
        return differsOutside(shot, menuShot, geometry.blackButton); }, shown);
    ASSERT_TRUE(shown) << "the setup screen did not appear";
    save(setupShot, shots + "/2-setup.png");

    // 3. Play: the board starts GNU Go, which answers the set-up commands.
    ASSERT_TRUE(click(geometry.playButton.center()));
    ASSERT_TRUE(hoshi.waitForLog([](const QString& log) { return log.contains("Read data: "); }, 0, EngineWaitMs))
        << hoshi.log().toStdString();
    const std::vector<qint64> engines = childProcesses(hoshi.process().processId(), "gnugo");
    ASSERT_EQ(engines.size(), 1u);

    // 4. A stone on E5, then two more; GNU Go answers each with a move of its own.
    const std::vector<GoBoardPoint> candidates {{4, 4}, {2, 4}, {6, 4}, {4, 2}, {4, 6}, {2, 6}, {6, 2}};
    std::vector<GoBoardPoint> black;
    std::vector<GoBoardPoint> white;
    auto occupied = [&](const GoBoardPoint& point) {
        return std::find(black.begin(), black.end(), point) != black.end() ||
               std::find(white.begin(), white.end(), point) != white.end();
    };
    QImage gameShot;
    for (const GoBoardPoint& move : candidates) {
        if (black.size() == PlayerMoves) {
            break;
        }
        if (occupied(move)) {
            continue;
        }
        SCOPED_TRACE(move.X() * 10 + move.Y());
        const qsizetype beforeClick = hoshi.log().size();
        const QPoint aimed = geometry.intersection(move);
        ASSERT_TRUE(click(aimed));
        ASSERT_TRUE(hoshi.waitForLog([](const QString& log) { return answeredVertex(log).has_value(); },
                                     beforeClick, EngineWaitMs))
            << hoshi.log().toStdString();
        const QString afterClick = hoshi.log().mid(beforeClick);
        // The click reached the board exactly where it was aimed (view y runs upward).
        EXPECT_TRUE(afterClick.contains(
            QString("Mouse location: %1.000000 %2.000000").arg(aimed.x()).arg(600 - aimed.y())))
            << afterClick.toStdString();
        black.push_back(move);
        white.push_back(*answeredVertex(afterClick));
        gameShot = waitForScreen(x, window, [&](const QImage& shot) {
            return std::all_of(black.begin(), black.end(),
                               [&](const GoBoardPoint& p) { return isDark(shot.pixel(geometry.stoneSample(p))); }) &&
                   std::all_of(white.begin(), white.end(),
                               [&](const GoBoardPoint& p) { return isLight(shot.pixel(geometry.stoneSample(p))); });
        }, shown);
        ASSERT_TRUE(shown) << "the board does not show the stones played so far; GNU Go's last answer was at "
                           << white.back().X() << "," << white.back().Y();
    }
    EXPECT_EQ(black.size(), PlayerMoves);
    save(gameShot, shots + "/3-game.png");
    if (qEnvironmentVariableIsSet("HOSHI_UPDATE_SCREENSHOT")) {
        save(gameShot, QString(HOSHI_SOURCE_DIR) + "/docs/screenshot.png");
    }

    // 5. Closing the window ends hoshi and its engine.
    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
    ASSERT_TRUE(x.xdotool({"key", "ctrl+q"}));
    ASSERT_TRUE(hoshi.process().waitForFinished(ScreenWaitMs)) << "hoshi did not quit";
    EXPECT_EQ(hoshi.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(hoshi.process().exitCode(), 0);
    EXPECT_TRUE(processHasEnded(engines.front())) << "GNU Go outlived hoshi";
}
