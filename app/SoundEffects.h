#pragma once

#include <QObject>

#include <cstddef>
#include <map>

class BoardView;
class QSoundEffect;

// The game's sounds: a stone placed, a capture, a pass, a refused move, the
// end of the game. Stepping through review is silent. Loaded the first time
// one is played; without an audio output there is nothing to hear and one log
// line says so, once.
class SoundEffects : public QObject {
    Q_OBJECT
public:
    enum class Sound { Stone, Capture, Pass, Refused, GameEnd };

    explicit SoundEffects(QObject* parent = nullptr);

    // Sounds for this board's events from now on.
    void follow(BoardView& board);
    void setEnabled(bool on) { m_Enabled = on; }
    bool isEnabled() const { return m_Enabled; }
    void play(Sound sound);

signals:
    // A sound was due (and, with an audio output, started): what tests and benchmarks listen to.
    void Sounded(SoundEffects::Sound sound);

private:
    QSoundEffect* effect(Sound sound);
    void movePlayed(BoardView& board);

    bool m_Enabled = true;
    std::map<Sound, QSoundEffect*> m_Effects;
    std::size_t m_TurnsHeard = 0;
};
