// Playing without a mouse, and by ear: a game by its keys, and the sounds it makes.
#include "tests/app/AppUnderTest.h"

#include "app/BoardKeyboard.h"
#include "app/SoundEffects.h"
#include "tests/support/LogCapture.h"

#include <QLabel>
#include <QSignalSpy>

namespace {
void type(const App& app, const QString& keys)
{
    for (const QChar key : keys) {
        app.press(key == '\r' ? Qt::Key_Return : static_cast<Qt::Key>(key.toUpper().unicode()));
    }
}
}

// On the board, by key alone: typed points, arrows and Enter, a refused move, a
// capture, review, take back and two passes; the cursor is framed where it is.
// Each move sounds as it should, review steps do not, and the game ends with
// its own sound; without an audio output that is said once.
TEST(Keyboard, aGameByKeysAloneSoundsEachMoveButNotTheReviewSteps)
{
    App app;
    auto* sounds = app.delegate.findChild<SoundEffects*>();
    sounds->setEnabled(true);
    LogCapture log;
    QSignalSpy heard(sounds, &SoundEffects::Sounded);
    app.delegate.showGame(GTPGoGameInfo(0, 300), GTPGoColorEmpty, "English");
    QCoreApplication::processEvents(); // the screen shows, and its keys with it
    const GTPGoGame& game = app.board()->GoGame();
    type(app, "b1\r"); // Black B1
    app.press(Qt::Key_Left);
    EXPECT_EQ(app.board()->overlay(BoardOverlay::Layer::Cursor).Frames.at(0).Point, GTPGoPoint(1, 1));
    app.press(Qt::Key_Return); // White A1, next to it
    app.press(Qt::Key_Return); // refused: occupied
    EXPECT_EQ(app.control<QLabel>("InfoTextField")->text(), BoardMessages::refusal(GTPGoMessageOccupied));
    app.press(Qt::Key_Up);
    app.press(Qt::Key_Return); // Black A2 takes A1
    EXPECT_EQ(std::pair(game.Turns().size(), game.Board().Stones().size()), std::pair(std::size_t {3}, std::size_t {2}));
    app.press(Qt::Key_R);
    EXPECT_TRUE(app.board()->overlay(BoardOverlay::Layer::Cursor).isEmpty()) << "in review the arrows step";
    app.press(Qt::Key_Left);
    app.press(Qt::Key_Left);
    EXPECT_EQ(game.getNodeToDisplay()->TurnNumber(), 0);
    app.press(Qt::Key_R);
    app.press(Qt::Key_Z, Qt::ControlModifier); // the capture is taken back
    app.press(Qt::Key_Escape);
    app.press(Qt::Key_P);
    app.press(Qt::Key_P);
    EXPECT_TRUE(game.IsGameOver());
    using Sound = SoundEffects::Sound;
    QList<Sound> sounded;
    std::ranges::transform(heard, std::back_inserter(sounded), [](const QList<QVariant>& s) { return s[0].value<Sound>(); });
    EXPECT_EQ(sounded, QList<Sound>({Sound::Stone, Sound::Stone, Sound::Refused, Sound::Capture, Sound::Pass, Sound::GameEnd}));
    EXPECT_LE(std::ranges::count_if(log.lines, [](const auto& l) { return l.starts_with("No audio output"); }), 1);
}
