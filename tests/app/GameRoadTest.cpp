// Whole roads through the screens: menu, setup, board, Resign, menu.
#include "ScreenTestHelpers.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QCheckBox>

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

// The second click of a double click that changed the screen never acts on the
// next screen; on the board it plays no second stone; and no control keeps the
// focus that would let Space press it again.
TEST(GameRoad, ADoubleClickActsOnlyWhereItBeganAndSpacePressesNothing)
{
    QTemporaryDir dir;
    const QString record = dir.filePath("engine.txt");
    ScopedEnvironment engine("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --record " + record.toUtf8());
    AppDelegate delegate;
    launch(delegate);
    QWindow* window = delegate.window()->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // As from a real mouse: two clicks 100 ms apart with the event loop running
    // between them, so that a new screen is up for the second. (QTest's own
    // clicks deliver all four events at once.)
    const auto doubleClick = [&](QWidget* widget, QPoint at) {
        const QPoint position = widget->mapTo(delegate.window(), at);
        for (int i = 0; i < 2; ++i) {
            const int time = QTest::lastMouseTimestamp += 100;
            for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                qt_handleMouseEvent(window, position, window->mapToGlobal(position),
                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                                    type, {}, time);
            }
            QCoreApplication::processEvents();
        }
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
    };
    const auto pressSpace = [] {
        if (QWidget* focused = QApplication::focusWidget()) {
            QTest::keyClick(focused, Qt::Key_Space);
        }
    };

    // Against the engine: Black's button lies over the setup's time slider, Play over H3.
    QPushButton* black = currentScreen<MainMenuViewController>(delegate)->BlackPachiButton();
    doubleClick(black, black->rect().center());
    auto* setup = currentScreen<GameInfoViewController>(delegate);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->TimeSlider()->value(), 5);
    doubleClick(setup->PlayButton(), setup->PlayButton()->rect().center());
    auto* board = currentScreen<BoardViewController>(delegate);
    ASSERT_NE(board, nullptr);
    auto* view = board->findChild<BoardView*>();
    EXPECT_TRUE(view->StoneList().empty());
    view->GTPEngine()->sendCommand("protocol_version");
    ASSERT_TRUE(QTest::qWaitFor([&] { return recordedLines(record).contains("protocol_version"); }, 5000));
    EXPECT_FALSE(recordedLines(record).join('\n').contains("play")) << "the second click played a stone";
    QTest::mouseClick(view->ResignButton(), Qt::LeftButton);

    // Two players: a double click on the board plays one stone and says nothing.
    QTest::mouseClick(currentScreen<MainMenuViewController>(delegate)->TwoPlayersButton(), Qt::LeftButton);
    QTest::mouseClick(currentScreen<GameInfoViewController>(delegate)->PlayButton(), Qt::LeftButton);
    view = currentScreen<BoardViewController>(delegate)->findChild<BoardView*>();
    QCoreApplication::processEvents();
    doubleClick(view, QPoint(qRound(view->getPosX(4)), qRound(view->height() - view->getPosY(4))));
    EXPECT_EQ(view->StoneList().size(), 1u);
    EXPECT_EQ(view->InfoTextField()->text(), "");

    QTest::mouseClick(view->PassButton(), Qt::LeftButton);
    pressSpace();
    EXPECT_EQ(view->GoGame().Turns().size(), 2u);
    EXPECT_FALSE(view->GoGame().IsGameOver()) << "Space passed a second time";
    QTest::mouseClick(view->DemonstrationButton(), Qt::LeftButton);
    pressSpace();
    EXPECT_TRUE(view->IsDemonstration()) << "Space ticked the review box again";
}
