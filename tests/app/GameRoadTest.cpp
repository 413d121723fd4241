#include "ScreenTestHelpers.h"

#include "app/BoardViewController.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"

#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cerrno>

namespace {

constexpr int EngineWaitMs = 5000;

QStringList recordedLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool processIsGone(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
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
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
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
    EXPECT_EQ(view->geometry(), board->geometry());
    EXPECT_EQ(view->Width(), 600.0f);
    EXPECT_EQ(view->PlayerColor(), GTPGoColorWhite);
    EXPECT_EQ(view->CurrentLanguage(), "Français");
    EXPECT_EQ(view->GameInfo().Handicap(), 2);
    const BoardView::StoneMap stones = view->StoneList();
    EXPECT_EQ(stones.size(), 2u);
    EXPECT_EQ(stones.count(GoBoardPoint(2, 2)), 1u);
    EXPECT_EQ(stones.count(GoBoardPoint(6, 6)), 1u);

    const QStringList startLines {"clear_board", "boardsize 9", "clear_board", "komi 0.0", "time_settings 0 5 1",
                                  "set_free_handicap  C3 G7"};
    ASSERT_NE(view->GTPEngine(), nullptr);
    // The engine reads its input in order: once this marker is recorded, every
    // line the board sent at start is there too.
    view->GTPEngine()->sendCommand("protocol_version");
    EXPECT_TRUE(QTest::qWaitFor([&] { return recordedLines(record).contains("protocol_version"); }, EngineWaitMs));
    QStringList sent = recordedLines(record);
    sent.removeAll("protocol_version");
    EXPECT_EQ(sent, startLines);
    const qint64 pid = view->GTPEngine()->processId();
    ASSERT_GT(pid, 0);

    QTest::mouseClick(view->ResignButton(), Qt::LeftButton);
    menu = currentScreen<MainMenuViewController>(delegate);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(board.isNull());
    EXPECT_EQ(menu->CurrentLanguage(), "Français");
    EXPECT_EQ(menu->LanguagesButton()->currentIndex(), 1);
    EXPECT_EQ(menu->WhitePachiButton()->text(), "Jouer avec blanc contre Pachi");
    EXPECT_TRUE(processIsGone(pid));
    // Nothing about the resignation reaches the engine; only its farewell.
    QStringList afterResign = recordedLines(record);
    afterResign.removeAll("protocol_version");
    if (!afterResign.isEmpty() && afterResign.last() == "quit") {
        afterResign.removeLast();
    }
    EXPECT_EQ(afterResign, startLines);
}
