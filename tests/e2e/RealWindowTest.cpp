// The real binary in a real X window (Xvfb), clicked with xdotool, looked at
// with ImageMagick's import.
#include "XvfbDisplay.h"

#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {

constexpr const char* GnuGo = "/usr/games/gnugo";
constexpr int WaitMs = 20000;

// Polls an outside process (the X server, hoshi) until the condition holds.
bool waitUntil(const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > WaitMs) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
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

// True when the two shots differ outside the given rectangle (the control
// under the mouse, which changes with hovering alone).
bool differsOutside(const QImage& a, const QImage& b, const QRect& except)
{
    for (int y = 0; y < a.height() && a.size() == b.size(); y += 2) {
        for (int x = 0; x < a.width(); x += 2) {
            if (!except.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) {
                return true;
            }
        }
    }
    return a.size() != b.size();
}

void save(const QImage& shot, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
}

// Where the window shows things, from the screens laid out offscreen: each
// fills the window's content from its top-left corner.
struct Layout {
    QRect blackButton = MainMenuViewController().BlackPachiButton()->geometry();
    QRect playButton = GameInfoViewController(GTPGoColorBlack, "English").PlayButton()->geometry();
};

// hoshi started on the X server with the given engine, its window found.
class Session {
public:
    Session(const XvfbDisplay& x, const QString& engine) : m_x(x)
    {
        QProcessEnvironment environment = x.environment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOSHI_ENGINE", engine);
        m_hoshi.setProcessEnvironment(environment);
        m_hoshi.setStandardOutputFile(m_dir.filePath("hoshi.log"));
        m_hoshi.setProcessChannelMode(QProcess::MergedChannels);
        m_hoshi.start(HOSHI_BINARY, {});
        const auto found = m_hoshi.waitForStarted()
            ? x.run("xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(m_hoshi.processId())})
            : std::nullopt;
        if (found && !found->trimmed().isEmpty()) {
            m_window = QString::fromLatin1(found->trimmed().split('\n').last());
            x.xdotool({"windowfocus", "--sync", m_window});
        }
    }

    bool hasWindow() const { return !m_window.isEmpty(); }
    const QString& window() const { return m_window; }
    QProcess& hoshi() { return m_hoshi; }
    std::string log() const
    {
        QFile file(m_dir.filePath("hoshi.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    // Points are in the 800 x 600 content, below the menu bar.
    bool click(QPoint point) const
    {
        return m_x.xdotool({"mousemove", "--window", m_window, "--sync", QString::number(point.x()),
                            QString::number(point.y() + m_top), "click", "1"});
    }
    QRgb pixel(const QImage& shot, QPoint point) const { return shot.pixel(point + QPoint(0, m_top)); }
    // Waits until the window's content satisfies the predicate; the shot is kept.
    bool shows(const std::function<bool(const QImage&)>& predicate)
    {
        return waitUntil([&] {
            m_shot = m_x.screenshot(m_window);
            return !m_shot.isNull() && predicate(m_shot);
        });
    }
    const QImage& shot() const { return m_shot; }

    // Menu, Black, Play: the board screen against the engine; the engine's process id.
    qint64 startGame(const Layout& layout)
    {
        const QPoint background(layout.blackButton.left() / 2, layout.blackButton.center().y());
        if (!shows([&](const QImage& s) { return s.height() > 600 && isLight(s.pixel(background)); })) {
            return 0;
        }
        const QImage menu = m_shot;
        m_top = menu.height() - 600;
        save(menu, QString(HOSHI_SCREENSHOT_DIR) + "/1-menu.png");
        EXPECT_EQ(menu.width(), 800);
        if (!click(layout.blackButton.center())
            || !shows([&](const QImage& s) { return differsOutside(s, menu, layout.blackButton.translated(0, m_top)); })) {
            return 0;
        }
        const QImage setup = m_shot;
        if (!click(layout.playButton.center())
            || !shows([&](const QImage& s) { return differsOutside(s, setup, layout.playButton.translated(0, m_top)); })) {
            return 0;
        }
        qint64 engine = 0;
        waitUntil([&] {
            const auto children = m_x.run("pgrep", {"-P", QString::number(m_hoshi.processId())});
            engine = children ? children->trimmed().split('\n').first().toLongLong() : 0;
            return engine > 0;
        });
        return engine;
    }

private:
    const XvfbDisplay& m_x;
    QTemporaryDir m_dir;
    QProcess m_hoshi;
    QString m_window;
    QImage m_shot;
    // The menu bar's height above the content.
    int m_top = 0;
};

// A process that has ended and only waits to be reaped counts as gone.
bool ended(const XvfbDisplay& x, qint64 pid)
{
    return waitUntil([&] {
        const auto state = x.run("ps", {"-o", "stat=", "-p", QString::number(pid)});
        return !state || state->trimmed().startsWith('Z');
    });
}

} // namespace

TEST(RealWindow, MenuThenPlayThenAStoneOnE5GetsGnuGosAnswerAndCtrlQLeavesNoEngine)
{
    ASSERT_EQ(::access(GnuGo, X_OK), 0) << "GNU Go is not installed at " << GnuGo;
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    const Layout layout;
    const BoardView board(QRect(0, 0, 800, 600), GTPGoGameInfo(), GTPGoColorEmpty, "English");
    const QPoint e5(qRound(board.getPosX(4)), qRound(board.height() - board.getPosY(4)));
    // Off the grid lines and the last-move mark, well inside a stone.
    const QPoint inside(qRound(board.StoneRadius() * 0.3), qRound(board.StoneRadius() * 0.3));

    Session session(x, QString(GnuGo) + " --mode gtp --level 1 --seed 1");
    ASSERT_TRUE(session.hasWindow()) << session.log();
    const qint64 engine = session.startGame(layout);
    ASSERT_GT(engine, 0) << session.log();

    // A black stone on E5, and GNU Go's white answer somewhere on the board.
    ASSERT_TRUE(session.click(e5));
    ASSERT_TRUE(session.shows([&](const QImage& s) {
        bool white = false;
        for (int column = 0; column < 9; ++column) {
            for (int row = 0; row < 9; ++row) {
                const QPoint point(qRound(board.getPosX(column)), qRound(board.height() - board.getPosY(row)));
                white = white || isLight(session.pixel(s, point + inside));
            }
        }
        return isDark(session.pixel(s, e5 + inside)) && white;
    })) << "the board does not show E5 and GNU Go's answer\n" << session.log();
    save(session.shot(), QString(HOSHI_SCREENSHOT_DIR) + "/3-game.png");
    if (qEnvironmentVariableIsSet("HOSHI_UPDATE_SCREENSHOT")) {
        save(session.shot(), QString(HOSHI_SOURCE_DIR) + "/docs/screenshot.png");
    }

    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", session.window()}));
    ASSERT_TRUE(x.xdotool({"key", "ctrl+q"}));
    ASSERT_TRUE(session.hoshi().waitForFinished()) << "hoshi did not quit";
    EXPECT_EQ(session.hoshi().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(session.hoshi().exitCode(), 0);
    EXPECT_TRUE(ended(x, engine)) << "GNU Go outlived hoshi";
}

// However hoshi is ended, its engine ends with it: a logout's SIGHUP and the
// window destroyed from outside quit through the event loop; after SIGKILL
// the kernel ends an engine that would ignore everything else.
TEST(RealWindow, HoshiEndsWithItsEngineOnAHangupAWindowClosedFromOutsideOrSigkill)
{
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    const Layout layout;
    const struct {
        const char* name;
        const char* engineOptions;
        std::function<void(Session&)> end;
        bool exitsNormally;
    } cases[] = {
        {"SIGHUP", "", [](Session& s) { ::kill(static_cast<pid_t>(s.hoshi().processId()), SIGHUP); }, true},
        {"windowclose", "", [&x](Session& s) { x.xdotool({"windowclose", s.window()}); }, true},
        {"SIGKILL", " --linger", [](Session& s) { s.hoshi().kill(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session session(x, QString(FAKE_GTP_ENGINE) + c.engineOptions);
        ASSERT_TRUE(session.hasWindow()) << session.log();
        const qint64 engine = session.startGame(layout);
        ASSERT_GT(engine, 0) << session.log();
        c.end(session);
        ASSERT_TRUE(session.hoshi().waitForFinished(WaitMs)) << "hoshi is still running\n" << session.log();
        EXPECT_EQ(session.hoshi().exitStatus() == QProcess::NormalExit && session.hoshi().exitCode() == 0,
                  c.exitsNormally);
        EXPECT_TRUE(ended(x, engine)) << "the engine outlived hoshi";
    }
}
