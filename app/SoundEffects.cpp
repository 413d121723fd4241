#include "SoundEffects.h"

#include "board/BoardView.h"
#include "rules/Log.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
const char* fileOf(SoundEffects::Sound sound)
{
    switch (sound) {
    case SoundEffects::Sound::Stone:
        return "stone";
    case SoundEffects::Sound::Capture:
        return "capture";
    case SoundEffects::Sound::Pass:
        return "pass";
    case SoundEffects::Sound::Refused:
        return "refused";
    case SoundEffects::Sound::GameEnd:
        break;
    }
    return "game-end";
}

bool hasAudioOutput()
{
    static const bool output = [] {
        const bool found = !QMediaDevices::audioOutputs().isEmpty();
        if (!found) {
            Log::write("No audio output: the game's sounds are not played");
        }
        return found;
    }();
    return output;
}
}

SoundEffects::SoundEffects(QObject* parent) : QObject(parent) {}

void SoundEffects::follow(BoardView& board)
{
    m_TurnsHeard = board.GoGame().Turns().size();
    connect(&board, &BoardView::PlayChanged, this, [this, &board] { movePlayed(board); });
    connect(&board, &BoardView::MoveRefused, this, [this] { play(Sound::Refused); });
    connect(&board, &BoardView::GameEnded, this, [this] { play(Sound::GameEnd); });
}

void SoundEffects::movePlayed(BoardView& board)
{
    const GTPGoGame& game = board.GoGame();
    const std::size_t turns = game.Turns().size();
    // Review steps and take backs change no turn count upward: they are silent.
    const bool played = turns > m_TurnsHeard;
    m_TurnsHeard = turns;
    if (!played || game.IsGameOver()) {
        return;
    }
    const GTPGoTurn& last = *game.getLastTurn();
    const bool captured = last.KilledStones() && !last.KilledStones()->empty();
    play(last.Move().IsPass() ? Sound::Pass : captured ? Sound::Capture : Sound::Stone);
}

QSoundEffect* SoundEffects::effect(Sound sound)
{
    auto found = m_Effects.find(sound);
    if (found == m_Effects.end()) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(fileOf(sound)))));
        found = m_Effects.emplace(sound, effect).first;
    }
    return found->second;
}

void SoundEffects::play(Sound sound)
{
    if (!m_Enabled) {
        return;
    }
    if (hasAudioOutput()) {
        effect(sound)->play();
    }
    emit Sounded(sound);
}
