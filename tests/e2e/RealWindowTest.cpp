// The real binary in a real X window (Xvfb), driven with xdotool, looked at with
// ImageMagick's import.
#include "XvfbDisplay.h"

#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"
#include "tests/support/GnuGo.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <functional>
#include <ranges>

constexpr int WaitMs = 20000;

// hoshi on the X server against the given engine, its games and settings kept
// under the given home. Shots and points are of the 800 x 600
// content, below the menu bar.
struct Session {
    Session(const XvfbDisplay& display, const QString& engine, const QString& home, const QStringList& arguments = {})
        : x(display)
    {
        QProcessEnvironment environment = x.environment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOSHI_ENGINE", engine);
        environment.insert("XDG_DATA_HOME", home + "/data");
        environment.insert("XDG_CONFIG_HOME", home + "/config");
        hoshi.setProcessEnvironment(environment);
        hoshi.setProcessChannelMode(QProcess::MergedChannels);
        hoshi.start(HOSHI_BINARY, arguments);
        window = hoshi.waitForStarted() ? find("^hoshi") : QString(); // the main window, not a question it asks
    }

    // hoshi's visible window of that title (a regular expression), focused; "" when there is none.
    QString find(const QString& title) const
    {
        const QString pid = QString::number(hoshi.processId());
        const auto id = x.run("xdotool", {"search", "--sync", "--all", "--onlyvisible", "--pid", pid, "--name", title});
        return id && x.xdotool({"windowfocus", "--sync", id->trimmed()}) ? QString(id->trimmed()) : QString();
    }
    bool click(QPoint p) const
    {
        return x.xdotool(
            QString("mousemove --window %1 --sync %2 %3 click 1").arg(window).arg(p.x()).arg(p.y() + top).split(' '));
    }
    bool keys(const QString& names) const
    {
        return x.xdotool(("windowfocus --sync " + window + " key " + names).split(' '));
    }
    std::string log() { return hoshi.readAll().toStdString(); }
    // Waits until the window's content satisfies the predicate; the shot is kept.
    bool shows(const std::function<bool(const QImage&)>& predicate)
    {
        return QTest::qWaitFor([&] {
            const QImage full = x.screenshot(window);
            top = full.height() - 600;
            shot = full.copy(0, top, 800, 600);
            return top > 0 && predicate(shot);
        }, WaitMs);
    }
    // Clicks and waits for the screen to change above the control, which itself changes with hovering alone.
    bool clickToNextScreen(const QRect& control)
    {
        const auto above = [&](const QImage& image) { return image.copy(0, 0, 800, control.top()); };
        const QImage before = shows([](const QImage&) { return true; }) ? above(shot) : QImage();
        return click(control.center()) && shows([&](const QImage& now) { return above(now) != before; });
    }

    const XvfbDisplay& x;
    QProcess hoshi;
    QString window;
    QImage shot;
    int top = 0;
};

// Against GNU Go: E5 answered, the game saved with Ctrl+S, then played by area
// to the count (the player passes until GNU Go does, Pass accepts the count, the
// game is kept). The saved game then opens from the command line, as Black
// against the engine by default, a move is played and kept at once, and however
// hoshi is ended its engine ends with it: Ctrl+Q, a logout's SIGHUP and the
// window destroyed from outside quit through the event loop; after SIGKILL the
// kernel ends an engine that would ignore everything else.
TEST(RealWindow, AnAreaGameIsSavedCountedKeptAndReopenedAndHoshiEndsWithItsEngineHoweverItEnds)
{
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    // Where the window shows things, from the screens laid out here as hoshi lays them out.
    const QString gnuGo = QString(kGnuGoPath) + " --mode gtp --level 1 --seed 1";
    qputenv("HOSHI_ENGINE", gnuGo.toUtf8());
    const QRect black = MainMenuViewController().BlackPachiButton()->geometry();
    const GameInfoViewController setup(GTPGoColorBlack, "English");
    const BoardView board(QRect(0, 0, 800, 600), GTPGoGameInfo(), GTPGoColorEmpty, "English");
    qunsetenv("HOSHI_ENGINE");
    // Off the grid lines and the last-move mark, well inside a stone.
    const auto at = [&](int column, int row) {
        return QPointF(board.getPosX(column), board.height() - board.getPosY(row)).toPoint()
            + QPoint(1, 1) * qRound(board.StoneRadius() * 0.3);
    };
    // E5 black, and a white stone somewhere: the wood has little blue, a white stone much.
    const auto showsE5AndAnAnswer = [&](Session& session) {
        return session.shows([&](const QImage& s) {
            const auto white = [&](int i) { return qBlue(s.pixel(at(i % 9, i / 9))) > 200; };
            return QColor(s.pixel(at(4, 4))).value() < 100 && std::ranges::any_of(std::views::iota(0, 81), white);
        });
    };
    QTemporaryDir home;
    const QString saved = home.filePath("saved.sgf");
    const auto newestKept = [&] {
        const QDir archive(home.path() + "/data/hoshi/games");
        QFile newest(archive.filePath(archive.entryList({"*.sgf"}, QDir::Files, QDir::Time).value(0)));
        return newest.open(QIODevice::ReadOnly) ? newest.readAll() : QByteArray();
    };
    {
        Session session(x, gnuGo, home.path());
        ASSERT_TRUE(session.clickToNextScreen(black)) << "no setup\n" << session.log();
        ASSERT_TRUE(session.click(setup.CountingChoice()->geometry().center()) && session.keys("Down Return"));
        ASSERT_TRUE(session.clickToNextScreen(setup.PlayButton()->geometry())) << "no board";
        ASSERT_TRUE(session.click(at(4, 4)) && showsE5AndAnAnswer(session)) << session.log();
        QDir().mkpath(HOSHI_SCREENSHOT_DIR);
        session.shot.save(QString(HOSHI_SCREENSHOT_DIR) + "/game.png");
        if (qEnvironmentVariableIsSet("HOSHI_UPDATE_SCREENSHOT")) {
            session.shot.save(QString(HOSHI_SOURCE_DIR) + "/docs/screenshot.png");
        }
        ASSERT_TRUE(session.keys("ctrl+s") && !session.find("^Save As$").isEmpty() && x.xdotool({"type", saved}));
        ASSERT_TRUE(x.xdotool({"key", "Return"}) && QTest::qWaitFor([&] { return QFile::exists(saved); }, WaitMs));
        // Pass until GNU Go passes too, then Pass accepts the count and the game is kept as it ended.
        ASSERT_TRUE(QTest::qWaitFor([&] { return session.keys("p") && newestKept().contains("RE[W+"); }, WaitMs))
            << session.log();
        EXPECT_TRUE(newestKept().contains("RU[Chinese]") && newestKept().contains("KM[7]")) << newestKept().toStdString();
    }
    const struct {
        const char* name;
        std::function<void(Session&)> end;
        bool killed; // then against an engine that ignores its quit, end of input and SIGTERM
    } ends[] = {
        {"Ctrl+Q", [](Session& s) { s.keys("ctrl+q"); }, false},
        {"SIGHUP", [](Session& s) { ::kill(static_cast<pid_t>(s.hoshi.processId()), SIGHUP); }, false},
        {"windowclose", [&x](Session& s) { x.xdotool({"windowclose", s.window}); }, false},
        {"SIGKILL", [](Session& s) { s.hoshi.kill(); }, true},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.name);
        Session session(x, QString(FAKE_GTP_ENGINE) + (end.killed ? " --linger" : ""), home.path(), {saved});
        ASSERT_TRUE(!session.find("^Continue the Game$").isEmpty() && x.xdotool({"key", "Return"})) << session.log();
        ASSERT_TRUE(showsE5AndAnAnswer(session)) << session.log();
        // A move of the game opened (on row 7, a new point each time), answered by a pass: in its
        // file before hoshi ends, however it ends.
        const int column = static_cast<int>(&end - ends) + 2;
        const auto keptWithMove = [&] { return newestKept().contains(";B[" + QByteArray(1, 'a' + column) + "c];W[]"); };
        ASSERT_TRUE(session.click(at(column, 6)) && QTest::qWaitFor(keptWithMove, WaitMs)) << session.log();
        qint64 engine = 0;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const auto children = x.run("pgrep", {"-P", QString::number(session.hoshi.processId())});
            return (engine = children.value_or("").toLongLong()) > 0; // its only child
        }, WaitMs)) << session.log();
        end.end(session);
        ASSERT_TRUE(session.hoshi.waitForFinished(WaitMs)) << "hoshi is still running\n" << session.log();
        EXPECT_EQ(session.hoshi.exitStatus() == QProcess::NormalExit && session.hoshi.exitCode() == 0, !end.killed);
        EXPECT_TRUE(keptWithMove());
        // A process that only waits to be reaped counts as gone.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return x.run("ps", {"-o", "stat=", "-p", QString::number(engine)}).value_or("Z").trimmed().startsWith('Z');
        }, WaitMs)) << "the engine outlived hoshi";
    }
}

// However hoshi is asked to end, a dialog open at that moment does not keep it
// alive, at start-up or later; and nothing that is not a regular file, a FIFO
// as the game to open or as the settings, blocks it.
TEST(RealWindow, aSignalEndsHoshiWhateverDialogIsOpenAndNoFifoBlocksIt)
{
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    QTemporaryDir home;
    const auto file = [&](const QString& name, const QByteArray& text) {
        QFile game(home.filePath(name));
        EXPECT_TRUE(game.open(QIODevice::WriteOnly) && game.write(text) == text.size());
        return game.fileName();
    };
    ASSERT_TRUE(QDir().mkpath(home.filePath("config/hoshi")));
    for (const QString& fifo : {home.filePath("fifo.sgf"), home.filePath("config/hoshi/hoshi.conf")}) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    }
    const struct {
        QStringList arguments;
        QString keys, dialog;
        int signal;
    } rows[] = {
        {{file("text.sgf", "hello")}, "", "^Game Not Opened$", SIGTERM},
        {{home.filePath("fifo.sgf")}, "", "^Game Not Opened$", SIGINT},
        {{file("game.sgf", "(;GM[1]FF[4]SZ[9];B[ee])")}, "", "^Continue the Game$", SIGHUP},
        {{}, "ctrl+o", "^Open$", SIGTERM},
        {{}, "alt+h a", "^About hoshi$", SIGTERM},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dialog.toStdString());
        Session session(x, "/nonexistent/engine", home.path(), row.arguments);
        ASSERT_FALSE(session.window.isEmpty()) << "no main window\n" << session.log();
        ASSERT_TRUE(row.keys.isEmpty() || session.keys(row.keys));
        ASSERT_FALSE(session.find(row.dialog).isEmpty()) << session.log();
        ::kill(static_cast<pid_t>(session.hoshi.processId()), row.signal);
        EXPECT_TRUE(session.hoshi.waitForFinished(WaitMs)) << "the dialog kept hoshi alive\n" << session.log();
        EXPECT_EQ(session.hoshi.exitCode(), 0);
    }
}

// The whole road by keyboard alone, as a player without a mouse takes it: the
// menu's two-player button by Tab and Space, the setup's first slider to no
// stones, Play; a game by typed points, arrows and Enter, two steps back in
// review, a take back, two passes; Resign by Tab and Space back to the menu,
// and round again to a second game's first move; then Ctrl+Q. Both games are
// in their files as they were played.
TEST(RealWindow, theWholeRoadByKeyboardAlone)
{
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    QTemporaryDir home;
    Session session(x, "/nonexistent/engine", home.path());
    ASSERT_FALSE(session.window.isEmpty()) << session.log();
    const QString toTheBoard[] = {"Tab Tab Tab space", "Home Tab Tab Tab Tab space"};
    for (const QString& keys : {toTheBoard[0], toTheBoard[1], QString("e 5 Return Up Return c 3 Return"),
                                QString("r Left Left r"), QString("ctrl+z"), QString("g 7 Return"), QString("p p"),
                                QString("Tab space"), toTheBoard[0], toTheBoard[1], QString("a 1 Return")}) {
        ASSERT_TRUE(session.keys(keys)) << keys.toStdString();
        QTest::qWait(300); // the next screen shows from the event loop
    }
    ASSERT_TRUE(session.keys("ctrl+q") && session.hoshi.waitForFinished(WaitMs)) << session.log();
    const QDir archive(home.path() + "/data/hoshi/games");
    QByteArrayList records;
    for (const QString& name : archive.entryList({"*.sgf"})) {
        QFile kept(archive.filePath(name));
        records << (kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray());
    }
    const auto has = [&](const char* moves, const char* result) {
        return std::ranges::any_of(records, [&](const QByteArray& r) { return r.contains(moves) && r.contains(result); });
    };
    EXPECT_TRUE(has(";B[ee];W[ed];B[gc];W[];B[]", "RE[B+1.0]") && has(";B[ai]", "")) << records.join("\n").toStdString();
}
