// The real binary in a real X window (Xvfb), clicked with xdotool, looked at
// with ImageMagick's import, playing against GNU Go.
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

} // namespace

TEST(RealWindow, MenuThenPlayThenStonesFromE5GetGnuGosAnswersAndClosingLeavesNoEngine)
{
    ASSERT_EQ(::access(GnuGo, X_OK), 0) << "GNU Go is not installed at " << GnuGo;
    XvfbDisplay x;
    if (!x.isRunning()) {
        GTEST_SKIP() << "no X server for the real window: " << x.failure().toStdString();
    }
    // Where the window shows things, from the screens laid out offscreen: each
    // fills the window's content from its top-left corner.
    const QRect blackButton = MainMenuViewController().BlackPachiButton()->geometry();
    const QRect playButton = GameInfoViewController(GTPGoColorBlack, "English").PlayButton()->geometry();
    const BoardView board(QRect(0, 0, 800, 600), GTPGoGameInfo(), GTPGoColorEmpty, "English");
    const auto intersection = [&](const GoBoardPoint& point) {
        return QPoint(qRound(board.getPosX(point.X())), qRound(board.height() - board.getPosY(point.Y())));
    };
    // Off the grid lines and the last-move mark, well inside the stone.
    const int offset = qRound(board.StoneRadius() * 0.3);
    const auto stoneSample = [&](const GoBoardPoint& point) { return intersection(point) + QPoint(offset, offset); };

    QTemporaryDir dir;
    QProcessEnvironment environment = x.environment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("HOSHI_ENGINE", QString(GnuGo) + " --mode gtp --level 1 --seed 1");
    QProcess hoshi;
    hoshi.setProcessEnvironment(environment);
    hoshi.setStandardOutputFile(dir.filePath("hoshi.log"));
    hoshi.setProcessChannelMode(QProcess::MergedChannels);
    hoshi.start(HOSHI_BINARY, {});
    ASSERT_TRUE(hoshi.waitForStarted());
    const auto log = [&] {
        QFile file(dir.filePath("hoshi.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };

    // 1. The window appears on the menu, its content 800 x 600.
    const std::optional<QByteArray> found = x.run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^hoshi$"});
    ASSERT_TRUE(found && !found->trimmed().isEmpty()) << log();
    const QString window = QString::fromLatin1(found->split('\n').first().trimmed());
    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
    QImage shot;
    const auto screenShows = [&](const std::function<bool(const QImage&)>& predicate) {
        return waitUntil([&] {
            shot = x.screenshot(window);
            return !shot.isNull() && predicate(shot);
        });
    };
    const auto click = [&](QPoint point) {
        return x.xdotool({"mousemove", "--window", window, "--sync", QString::number(point.x()),
                          QString::number(point.y()), "click", "1"});
    };
    const QString shots = HOSHI_SCREENSHOT_DIR;
    // Left of the button is the menu's light background once it is painted.
    const QPoint background(blackButton.left() / 2, blackButton.center().y());
    ASSERT_TRUE(screenShows([&](const QImage& s) { return isLight(s.pixel(background)); })) << "no menu";
    const QImage menuShot = shot;
    EXPECT_EQ(menuShot.size(), QSize(800, 600));
    save(menuShot, shots + "/1-menu.png");

    // 2. Play against the engine as Black: the setup screen replaces the menu.
    ASSERT_TRUE(click(blackButton.center()));
    ASSERT_TRUE(screenShows([&](const QImage& s) { return differsOutside(s, menuShot, blackButton); })) << "no setup";
    const QImage setupShot = shot;
    save(setupShot, shots + "/2-setup.png");

    // 3. Play: the board replaces the setup screen and starts GNU Go.
    ASSERT_TRUE(click(playButton.center()));
    ASSERT_TRUE(screenShows([&](const QImage& s) { return differsOutside(s, setupShot, playButton); })) << "no board";
    // pgrep (procps) lists hoshi's children named gnugo.
    QStringList engines;
    ASSERT_TRUE(waitUntil([&] {
        const auto found = x.run("pgrep", {"-P", QString::number(hoshi.processId()), "-x", "gnugo"});
        engines = found ? QString(*found).split('\n', Qt::SkipEmptyParts) : QStringList();
        return !engines.isEmpty();
    })) << log();
    ASSERT_EQ(engines.size(), 1);

    // 4. A stone on E5, then two more on free points; GNU Go answers each with a
    // white stone of its own: as many white stones show as black ones.
    std::vector<GoBoardPoint> black;
    const auto whiteStones = [&](const QImage& s) {
        int count = 0;
        for (int column = 0; column < 9; ++column) {
            for (int row = 0; row < 9; ++row) {
                count += isLight(s.pixel(stoneSample(GoBoardPoint(column, row)))) ? 1 : 0;
            }
        }
        return count;
    };
    for (const GoBoardPoint& move : {GoBoardPoint(4, 4), {2, 4}, {6, 4}, {4, 2}, {4, 6}, {2, 6}, {6, 2}}) {
        if (black.size() == 3) {
            break;
        }
        if (!isDark(shot.pixel(stoneSample(move))) && !isLight(shot.pixel(stoneSample(move)))) {
            SCOPED_TRACE(move.X() * 10 + move.Y());
            ASSERT_TRUE(click(intersection(move)));
            black.push_back(move);
            ASSERT_TRUE(screenShows([&](const QImage& s) {
                return whiteStones(s) == static_cast<int>(black.size())
                    && std::all_of(black.begin(), black.end(),
                                   [&](const GoBoardPoint& p) { return isDark(s.pixel(stoneSample(p))); });
            })) << "the board does not show the stones played and answered so far\n" << log();
        }
    }
    EXPECT_EQ(black.size(), 3u);
    save(shot, shots + "/3-game.png");
    if (qEnvironmentVariableIsSet("HOSHI_UPDATE_SCREENSHOT")) {
        save(shot, QString(HOSHI_SOURCE_DIR) + "/docs/screenshot.png");
    }

    // 5. Closing the window ends hoshi and its engine.
    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
    ASSERT_TRUE(x.xdotool({"key", "ctrl+q"}));
    ASSERT_TRUE(hoshi.waitForFinished()) << "hoshi did not quit";
    EXPECT_EQ(hoshi.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(hoshi.exitCode(), 0);
    // A zombie has ended too; only its parent's bookkeeping is left.
    const auto engineState = x.run("ps", {"-o", "stat=", "-p", engines.front()});
    EXPECT_TRUE(!engineState || engineState->trimmed().startsWith('Z')) << "GNU Go outlived hoshi";
}
