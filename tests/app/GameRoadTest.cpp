// Whole roads through the screens: menu, setup, board, Resign, menu.
#include "ScreenTestHelpers.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

constexpr const char* GnuGo = "/usr/games/gnugo";

QStringList recordedLines(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                          : QStringList();
}

// What the board sent: without the test's marker and the engine's farewell.
QStringList sentByTheBoard(const QString& path)
{
    QStringList lines = recordedLines(path);
    lines.removeAll("protocol_version");
    lines.removeAll("quit");
    return lines;
}

double residentMB()
{
    QFile status("/proc/self/status");
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    return QRegularExpression("VmRSS:\\s*(\\d+)").match(QString(text)).captured(1).toDouble() / 1024.0;
}

// One whole game: the menu's Black button, Play, a stone on E5, GNU Go's
// answer, Resign; back on the menu, the engine is gone.
void playOneGameAndResign(AppDelegate& delegate)
{
    auto* menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->BlackPachiButton(), Qt::LeftButton);
    auto* setup = currentScreen<GameInfoViewController>(delegate);
    ASSERT_NE(setup, nullptr);
    QTest::mouseClick(setup->PlayButton(), Qt::LeftButton);
    auto* board = currentScreen<BoardViewController>(delegate);
    auto* view = board ? board->findChild<BoardView*>() : nullptr;
    ASSERT_TRUE(view && view->GTPEngine());
    const qint64 pid = view->GTPEngine()->processId();
    QSignalSpy answered(view->GTPEngine(), &GTPGoEngineWrapper::HasPlayed);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(qRound(view->getPosX(4)), qRound(view->height() - view->getPosY(4))));
    ASSERT_TRUE(answered.wait(10000));
    EXPECT_EQ(view->StoneList().size(), 2u);
    QTest::mouseClick(view->ResignButton(), Qt::LeftButton);
    ASSERT_NE(currentScreen<MainMenuViewController>(delegate), nullptr);
    EXPECT_TRUE(processIsGone(pid));
}

} // namespace

// Menu -> setup -> board -> Resign -> menu in French, against the fake engine,
// as White with two handicap stones: the engine (Black) has its stones and waits.
TEST(GameRoad, FrenchWhiteWithTwoStonesSendsTheStartLinesOnlyAndResignEndsTheEngine)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("engine.txt");
    ScopedEnvironment engine("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --record " + record.toUtf8());
    AppDelegate delegate;
    launch(delegate);
    auto* menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    menu->LanguagesButton()->setCurrentIndex(1);
    QTest::mouseClick(menu->WhitePachiButton(), Qt::LeftButton);
    auto* setup = currentScreen<GameInfoViewController>(delegate);
    ASSERT_NE(setup, nullptr);
    setup->HandicapSlider()->setValue(2);
    QTest::mouseClick(setup->PlayButton(), Qt::LeftButton);

    QPointer<BoardViewController> board = currentScreen<BoardViewController>(delegate);
    ASSERT_NE(board, nullptr);
    auto* view = board->findChild<BoardView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Width(), 600.0f);
    EXPECT_EQ(view->PlayerColor(), GTPGoColorWhite);
    EXPECT_EQ(view->CurrentLanguage(), "Français");
    EXPECT_EQ(view->StoneList(), BoardView::StoneMap({{GoBoardPoint(2, 2), GTPGoColorBlack},
                                                      {GoBoardPoint(6, 6), GTPGoColorBlack}}));

    const QStringList startLines {"clear_board", "boardsize 9", "clear_board", "komi 0.0", "time_settings 0 5 1",
                                  "set_free_handicap  C3 G7"};
    ASSERT_NE(view->GTPEngine(), nullptr);
    // The engine reads its input in order: once this marker is recorded, every
    // line the board sent at start is there too.
    view->GTPEngine()->sendCommand("protocol_version");
    EXPECT_TRUE(QTest::qWaitFor([&] { return recordedLines(record).contains("protocol_version"); }, 5000));
    EXPECT_EQ(sentByTheBoard(record), startLines);
    const qint64 pid = view->GTPEngine()->processId();
    ASSERT_GT(pid, 0);

    QTest::mouseClick(view->ResignButton(), Qt::LeftButton);
    menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(board.isNull());
    EXPECT_EQ(menu->CurrentLanguage(), "Français");
    EXPECT_EQ(menu->WhitePachiButton()->text(), "Jouer avec blanc contre Pachi");
    EXPECT_TRUE(processIsGone(pid));
    // Nothing about the resignation reaches the engine; only its farewell.
    EXPECT_EQ(sentByTheBoard(record), startLines);
}

TEST(TenGames, EveryResignEndsItsEngineAndMemoryStaysFlat)
{
    if (::access(GnuGo, X_OK) != 0) {
        GTEST_SKIP() << "GNU Go is not installed at " << GnuGo;
    }
    ScopedEnvironment engine("HOSHI_ENGINE", QByteArray(GnuGo) + " --mode gtp --level 1 --seed 1");
    AppDelegate delegate;
    launch(delegate);
    double before = 0;
    for (int game = 1; game <= 10; ++game) {
        SCOPED_TRACE(game);
        ASSERT_NO_FATAL_FAILURE(playOneGameAndResign(delegate));
        // The first game loads what every game shares (fonts, pixmaps, plugins).
        if (game == 1) {
            before = residentMB();
        }
    }
    const double growth = residentMB() - before;
    RecordProperty("ResidentGrowthKB", static_cast<int>(growth * 1024));
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine: resident size says nothing then.
    return;
#endif
    EXPECT_LT(growth, 4.0) << "resident memory over games 2 to 10 grew from " << before << " MB";
}
