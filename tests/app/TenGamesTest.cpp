#include "ScreenTestHelpers.h"

#include "app/BoardViewController.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* GnuGo = "/usr/games/gnugo";
constexpr int EngineAnswerWaitMs = 10000;
constexpr int Games = 10;
constexpr double AllowedGrowthMB = 4.0;

double residentMB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kB = 0;
            status >> kB;
            return kB / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// One whole game: the menu's Black button, Play, a stone on E5, GNU Go's
// answer, Resign. Returns the engine's process id, 0 when a step failed.
qint64 playOneGameAndResign(AppDelegate& delegate)
{
    auto* menu = currentScreen<MainMenuViewController>(delegate);
    EXPECT_NE(menu, nullptr);
    if (menu == nullptr) {
        return 0;
    }
    QTest::mouseClick(menu->BlackPachiButton(), Qt::LeftButton);
    auto* setup = currentScreen<GameInfoViewController>(delegate);
    EXPECT_NE(setup, nullptr);
    if (setup == nullptr) {
        return 0;
    }
    QTest::mouseClick(setup->PlayButton(), Qt::LeftButton);
    auto* board = currentScreen<BoardViewController>(delegate);
    auto* view = board ? board->findChild<BoardView*>() : nullptr;
    EXPECT_NE(view, nullptr);
    if (view == nullptr || view->GTPEngine() == nullptr) {
        return 0;
    }
    const qint64 pid = view->GTPEngine()->processId();
    QSignalSpy answered(view->GTPEngine(), &GTPGoEngineWrapper::HasPlayed);
    const QPoint e5(qRound(view->getPosX(4)), qRound(view->height() - view->getPosY(4)));
    QTest::mouseClick(view, Qt::LeftButton, {}, e5);
    EXPECT_TRUE(answered.wait(EngineAnswerWaitMs));
    EXPECT_EQ(view->StoneList().size(), 2u);
    QTest::mouseClick(view->ResignButton(), Qt::LeftButton);
    return pid;
}

bool processIsGone(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

} // namespace

TEST(TenGames, EveryResignEndsItsEngineAndMemoryStaysFlat)
{
    if (::access(GnuGo, X_OK) != 0) {
        GTEST_SKIP() << "GNU Go is not installed at " << GnuGo;
    }
    ScopedEnvironment engine("HOSHI_ENGINE", QByteArray(GnuGo) + " --mode gtp --level 1 --seed 1");
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();

    // The first game loads what every game shares (fonts, pixmaps, plugins).
    const qint64 firstPid = playOneGameAndResign(delegate);
    ASSERT_GT(firstPid, 0);
    ASSERT_NE(currentScreen<MainMenuViewController>(delegate), nullptr);
    EXPECT_TRUE(processIsGone(firstPid));
    const double before = residentMB();

    for (int game = 2; game <= Games; ++game) {
        SCOPED_TRACE(game);
        const qint64 pid = playOneGameAndResign(delegate);
        ASSERT_GT(pid, 0);
        ASSERT_NE(currentScreen<MainMenuViewController>(delegate), nullptr);
        EXPECT_TRUE(processIsGone(pid));
    }
    const double growth = residentMB() - before;
    std::cout << "resident memory over games 2 to " << Games << ": " << before << " MB -> " << before + growth
              << " MB, growth " << growth << " MB\n";
    RecordProperty("ResidentGrowthKB", static_cast<int>(growth * 1024));
    EXPECT_LT(growth, AllowedGrowthMB);
}
