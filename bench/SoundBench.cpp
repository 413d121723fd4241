// From a click on the board to the stone's sound playing: QSoundEffect's own
// "playing" state, on whatever audio output the machine has.
#include "app/SoundEffects.h"
#include "board/BoardView.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
void BM_ClickUntilStoneSounds(benchmark::State& state)
{
    if (QMediaDevices::audioOutputs().isEmpty()) {
        state.SkipWithError("no audio output on this machine");
        return;
    }
    BoardView board(QRect(0, 0, 800, 600), GTPGoGameInfo(0, 600), GTPGoColorEmpty, QStringLiteral("English"));
    SoundEffects sounds;
    sounds.follow(board);
    sounds.play(SoundEffects::Sound::Stone); // loaded once, before timing, as after a first move
    QTest::qWait(500);
    int point = 0;
    for (auto _ : state) {
        auto* effect = sounds.findChildren<QSoundEffect*>().value(0);
        (void)QTest::qWaitFor([&] { return !effect->isPlaying(); }, 2000);
        QElapsedTimer clock;
        clock.start();
        const QPoint at(qRound(board.getPosX(point % 9)), qRound(board.height() - board.getPosY(point / 9)));
        QTest::mouseClick(&board, Qt::LeftButton, {}, at);
        ++point;
        if (!QTest::qWaitFor([&] { return effect->isPlaying(); }, 2000)) {
            state.SkipWithError("the sound never played");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_ClickUntilStoneSounds)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);
}
