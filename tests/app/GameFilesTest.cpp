// Kept games on hostile disks: a full one, one shared with another hoshi, names
// taken by links. Real file systems and real processes.
#include "app/BoardViewController.h"
#include "app/GameArchive.h"
#include "board/BoardView.h"
#include "tests/support/LogCapture.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// A two-player game whose board is clicked at GTP vertices, "pass" passing.
struct KeptGame {
    KeptGame() : controller(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English") {}
    void play(const QStringList& moves)
    {
        BoardView* view = controller.boardView();
        for (const QString& move : moves) {
            const auto column = static_cast<float>(QString("ABCDEFGHJ").indexOf(move.at(0)));
            move == "pass" ? view->onPass()
                           : QTest::mouseClick(view, Qt::LeftButton, {},
                                               QPointF(view->getPosX(column),
                                                       view->height() - view->getPosY(move.mid(1).toFloat() - 1))
                                                   .toPoint());
        }
    }
    QString message() const { return controller.boardView()->findChild<QLabel*>("InfoTextField")->text(); }
    BoardViewController controller;
};
}

// On a full disk neither a move, the end of the game nor Save As empties the
// file: the last good one stays, without a temporary file beside it, and the
// player reads why, once; after room is made the next move is kept again.
TEST(GameFiles, aFullDiskLeavesTheKeptFileAsItWasAndThePlayerIsTold)
{
    const QTemporaryDir disk;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk.path()}) != 0) {
        GTEST_SKIP() << "a 64 KB tmpfs cannot be mounted here (root is needed)";
    }
    qputenv("XDG_DATA_HOME", disk.path().toUtf8());
    {
        LogCapture log;
        KeptGame game;
        game.play({"E5", "D4", "C3"});
        ASSERT_EQ(game.controller.autosave(), std::nullopt);
        const QString kept = game.controller.proposedSaveAsPath();
        const QByteArray before = contents(kept);
        ASSERT_TRUE(before.contains(";B[cg]"));
        QFile fill(disk.filePath("fill"));
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (fill.write(QByteArray(4096, 'x')) > 0) {
        }
        game.play({"pass", "pass"});
        const std::optional<QString> failure = game.controller.autosave();
        ASSERT_TRUE(failure.has_value());
        EXPECT_TRUE(failure->contains(kept)) << failure->toStdString();
        EXPECT_EQ(game.controller.saveAs(kept), failure);
        EXPECT_EQ(contents(kept), before);
        EXPECT_EQ(QDir(GameArchive::folder()).entryList(QDir::Files | QDir::Hidden), QStringList {QFileInfo(kept).fileName()});
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.message().endsWith(*failure); }, 5000));
        EXPECT_TRUE(game.message().startsWith(BoardMessages::score(1, 2))) << "below the score";
        EXPECT_TRUE(log.contains(failure->toStdString()));
        fill.remove();
        game.controller.boardView()->takeBack();
        game.controller.boardView()->takeBack();
        game.play({"A1"});
        EXPECT_EQ(game.controller.autosave(), std::nullopt);
        EXPECT_TRUE(contents(kept).contains(";B[cg];W[ai]")) << contents(kept).toStdString();
    }
    QProcess::execute("umount", {disk.path()});
}

// A name is claimed without replacing anything: not a dangling link (whose
// target stays unmade), not the file of another hoshi that claims the same
// name at the same moment, and the clash suffix goes on the file name alone.
TEST(GameFiles, aNewNameIsClaimedOnceEvenByTwoProcessesAtOnceAndNeverThroughALink)
{
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath("backup.sgf.d").toUtf8());
    const QDateTime start = QDateTime::currentDateTime();
    ASSERT_TRUE(QDir().mkpath(GameArchive::folder()));
    ASSERT_TRUE(QFile::link(home.filePath("elsewhere.sgf"), GameArchive::autosavePath(start)));
    QString path;
    EXPECT_EQ(GameArchive::claim(start, "(;B[aa])", path), std::nullopt);
    EXPECT_EQ(path, GameArchive::folder() + "/" + start.toString("yyyy-MM-ddTHH-mm-ss") + "-2.sgf");
    EXPECT_FALSE(QFile::exists(home.filePath("elsewhere.sgf")));

    for (int trial = 0; trial < 8; ++trial) {
        const QDateTime second = start.addSecs(trial + 1);
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t children[2];
        for (int child = 0; child < 2; ++child) {
            if ((children[child] = ::fork()) == 0) {
                char byte = 0;
                QString claimed;
                ::close(go[1]);
                const bool released = ::read(go[0], &byte, 1) == 0; // both start when the pipe closes
                ::_exit(released && !GameArchive::claim(second, "(;C[" + std::to_string(child) + "])", claimed) ? 0 : 1);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (const pid_t child : children) {
            int status = -1;
            ::waitpid(child, &status, 0);
            EXPECT_EQ(status, 0);
        }
        QSet<QByteArray> games {contents(GameArchive::autosavePath(second)), contents(GameArchive::autosavePath(second, 2))};
        EXPECT_EQ(games, QSet<QByteArray>({"(;C[0])", "(;C[1])"})) << "trial " << trial;
    }
}

// Every move and take back is in the file at once; a game taken back after its
// end and played on ends up as it finally ended. An opened finished game that is
// only looked at is not kept again.
TEST(GameFiles, theGameInProgressIsInItsFileAfterEveryMoveAndTakeBack)
{
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    KeptGame game;
    const QString file = game.controller.proposedSaveAsPath();
    const auto keptMoves = [&] {
        game.controller.autosave();
        QString problem;
        const auto record = GameArchive::read(file, problem).Record;
        return record ? static_cast<int>(record->Moves.size()) : -1;
    };
    game.play({"E5"});
    EXPECT_EQ(keptMoves(), 1);
    game.play({"D4", "pass", "pass"});
    EXPECT_EQ(keptMoves(), 4);
    for (int taken = 0; taken < 2; ++taken) {
        game.controller.boardView()->takeBack();
    }
    EXPECT_EQ(keptMoves(), 2);
    game.play({"C3", "pass", "pass"});
    EXPECT_EQ(keptMoves(), 5);
    EXPECT_TRUE(contents(file).contains("RE[")) << "as it finally ended";

    QString problem;
    const SGFGameRecord record = GameArchive::read(file, problem).Record.value();
    BoardViewController viewed(record.toGame(300), GTPGoColorEmpty, "English", record, file);
    viewed.autosave();
    EXPECT_EQ(QDir(GameArchive::folder()).entryList(QDir::Files), QStringList {QFileInfo(file).fileName()});
}
