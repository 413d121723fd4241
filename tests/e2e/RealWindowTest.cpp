// The real binary in a real X window (Xvfb), driven with xdotool, looked at with
// ImageMagick's import.
#include "XvfbDisplay.h"

#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"
#include "tests/support/GnuGo.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

constexpr int WaitMs = 20000;
const QString kGnuGo = QString(kGnuGoPath) + " --mode gtp --level 1 --seed 1";

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

// The board's wood has little blue; a white stone or the window's background has much.
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

// hoshi on the X server against the given engine, with a home of its own.
class Session {
public:
    Session(const XvfbDisplay& x, const QString& engine, const QString& home, const QStringList& arguments = {})
        : m_x(x)
    {
        QProcessEnvironment environment = x.environment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOSHI_ENGINE", engine);
        environment.insert("XDG_CONFIG_HOME", home + "/config");
        environment.insert("XDG_DATA_HOME", home + "/data");
        m_hoshi.setProcessEnvironment(environment);
        m_hoshi.setStandardOutputFile(m_dir.filePath("hoshi.log"));
        m_hoshi.setProcessChannelMode(QProcess::MergedChannels);
        m_hoshi.start(HOSHI_BINARY, arguments);
        const auto found = m_hoshi.waitForStarted()
            ? x.run("xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(m_hoshi.processId())})
            : std::nullopt;
        // The main window, not a question it asks at start: its title begins with hoshi.
        for (const QByteArray& id : found.value_or(QByteArray()).trimmed().split('\n')) {
            if (x.run("xdotool", {"getwindowname", QString(id)}).value_or("").startsWith("hoshi")) {
                m_window = QString::fromLatin1(id);
                x.xdotool({"windowfocus", "--sync", m_window});
            }
        }
        // The menu bar's height above the 800 x 600 content.
        shows([this](const QImage& s) { return s.height() > 600; });
        m_top = m_shot.height() - 600;
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
    bool keys(const QStringList& keys) const
    {
        return m_x.xdotool({"windowfocus", "--sync", m_window}) && m_x.xdotool(QStringList {"key"} + keys);
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
    // Clicks and waits for the screen to change; false when it does not.
    bool clickToNextScreen(const QRect& control)
    {
        const QImage before = m_shot;
        return click(control.center())
            && shows([&](const QImage& s) { return differsOutside(s, before, control.translated(0, m_top)); });
    }
    // The engine hoshi started, once it runs.
    qint64 engine() const
    {
        qint64 pid = 0;
        waitUntil([&] {
            const auto children = m_x.run("pgrep", {"-P", QString::number(m_hoshi.processId())});
            pid = children ? children->trimmed().split('\n').first().toLongLong() : 0;
            return pid > 0;
        });
        return pid;
    }

private:
    const XvfbDisplay& m_x;
    QTemporaryDir m_dir;
    QProcess m_hoshi;
    QString m_window;
    QImage m_shot;
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

// Against GNU Go: E5 answered, the game saved, then played by area to the count
// (the player passes until GNU Go does, Pass accepts the count, the game is kept),
// and the saved game reopened from the command line.
TEST(RealWindow, AnAreaGameAgainstGnuGoIsSavedCountedAndReopened)
{
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    // Where the window shows things, from the screens laid out here as hoshi lays them out.
    qputenv("HOSHI_ENGINE", kGnuGo.toUtf8());
    const QRect black = MainMenuViewController().BlackPachiButton()->geometry();
    const GameInfoViewController setup(GTPGoColorBlack, "English");
    const BoardView board(QRect(0, 0, 800, 600), GTPGoGameInfo(), GTPGoColorEmpty, "English");
    qunsetenv("HOSHI_ENGINE");
    const auto at = [&](int column, int row) {
        return QPoint(qRound(board.getPosX(column)), qRound(board.height() - board.getPosY(row)));
    };
    // Off the grid lines and the last-move mark, well inside a stone.
    const QPoint inside(qRound(board.StoneRadius() * 0.3), qRound(board.StoneRadius() * 0.3));
    const auto showsE5AndAnAnswer = [&](Session& session) {
        return session.shows([&](const QImage& s) {
            int white = 0;
            for (int column = 0; column < 81; ++column) {
                white += isLight(session.pixel(s, at(column % 9, column / 9) + inside)) ? 1 : 0;
            }
            return isDark(session.pixel(s, at(4, 4) + inside)) && white > 0;
        });
    };
    QTemporaryDir home;
    const QString saved = home.filePath("saved.sgf");
    {
        Session session(x, kGnuGo, home.path());
        ASSERT_TRUE(session.hasWindow()) << session.log();
        ASSERT_TRUE(session.clickToNextScreen(black)) << "no setup";
        ASSERT_TRUE(session.click(setup.CountingChoice()->geometry().center()) && session.keys({"Down", "Return"}));
        ASSERT_TRUE(session.clickToNextScreen(setup.PlayButton()->geometry())) << "no board";
        const qint64 engine = session.engine();
        ASSERT_TRUE(session.click(at(4, 4)));
        ASSERT_TRUE(showsE5AndAnAnswer(session)) << session.log();
        QDir().mkpath(QString(HOSHI_SCREENSHOT_DIR));
        session.shot().save(QString(HOSHI_SCREENSHOT_DIR) + "/game.png");
        if (qEnvironmentVariableIsSet("HOSHI_UPDATE_SCREENSHOT")) {
            session.shot().copy(0, session.shot().height() - 600, 800, 600).save(QString(HOSHI_SOURCE_DIR) + "/docs/screenshot.png");
        }
        ASSERT_TRUE(session.keys({"ctrl+s"}));
        QThread::msleep(500); // the file dialog takes its time to come up
        ASSERT_TRUE(x.xdotool({"type", saved}) && x.xdotool({"key", "Return"}));
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(saved); })) << session.log();
        // Pass until GNU Go passes too, then Pass accepts the count and the game is kept.
        const QDir archive(home.path() + "/data/hoshi/games");
        ASSERT_TRUE(waitUntil([&] {
            session.keys({"p"});
            return !archive.entryList({"*.sgf"}).isEmpty();
        })) << session.log();
        QFile kept(archive.filePath(archive.entryList({"*.sgf"}).first()));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        const QByteArray record = kept.readAll();
        EXPECT_TRUE(record.contains("RU[Chinese]") && record.contains("KM[7]") && record.contains("RE[W+"))
            << record.toStdString();
        ASSERT_TRUE(session.keys({"ctrl+q"}));
        ASSERT_TRUE(session.hoshi().waitForFinished()) << "hoshi did not quit";
        EXPECT_EQ(session.hoshi().exitCode(), 0);
        EXPECT_TRUE(ended(x, engine)) << "GNU Go outlived hoshi";
    }
    // Opened again, the game goes on against GNU Go as Black, the default answer.
    Session session(x, kGnuGo, home.path(), {saved});
    ASSERT_TRUE(session.hasWindow()) << session.log();
    const auto question = x.run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Open$"});
    ASSERT_TRUE(question && x.xdotool({"windowfocus", "--sync", QString(question->trimmed())}));
    ASSERT_TRUE(x.xdotool({"key", "Return"}));
    ASSERT_TRUE(showsE5AndAnAnswer(session)) << session.log();
    EXPECT_GT(session.engine(), 0);
    ASSERT_TRUE(session.keys({"ctrl+q"}));
    EXPECT_TRUE(session.hoshi().waitForFinished());
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
    qputenv("HOSHI_ENGINE", FAKE_GTP_ENGINE);
    const QRect black = MainMenuViewController().BlackPachiButton()->geometry();
    const QRect play = GameInfoViewController(GTPGoColorBlack, "English").PlayButton()->geometry();
    qunsetenv("HOSHI_ENGINE");
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
        QTemporaryDir home;
        Session session(x, QString(FAKE_GTP_ENGINE) + c.engineOptions, home.path());
        ASSERT_TRUE(session.hasWindow() && session.clickToNextScreen(black) && session.clickToNextScreen(play))
            << session.log();
        const qint64 engine = session.engine();
        ASSERT_GT(engine, 0) << session.log();
        c.end(session);
        ASSERT_TRUE(session.hoshi().waitForFinished(WaitMs)) << "hoshi is still running\n" << session.log();
        EXPECT_EQ(session.hoshi().exitStatus() == QProcess::NormalExit && session.hoshi().exitCode() == 0,
                  c.exitsNormally);
        EXPECT_TRUE(ended(x, engine)) << "the engine outlived hoshi";
    }
}
