#pragma once

#include "settings/GTPGoCounting.h"
#include "strength/StrengthStep.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

// What hoshi remembers between runs (~/.config/hoshi/hoshi.conf, following
// XDG_CONFIG_HOME): the language and the last setup chosen. A fresh profile,
// and a file that cannot be read or holds nonsense, give the defaults:
// English, no handicap, five minutes. Something other than a regular file
// there (a FIFO would block the start) is left alone: nothing is remembered.
class UserSettings {
public:
    UserSettings();

    QString language() const;
    void setLanguage(const QString& language);
    int handicap() const;
    void setHandicap(int stones);
    int minutes() const;
    void setMinutes(int minutes);
    // The opponent's strength step, kept by its id; plain GNU Go at level 1 by
    // default and in place of an id no step has. (It replaces GNU Go's
    // "level" of earlier versions, which is no longer read.)
    const StrengthStep& strength() const;
    void setStrength(const StrengthStep& step);
    GTPGoCounting counting() const;
    void setCounting(GTPGoCounting counting);
    // Whether the coach comments on the player's moves; off by default.
    bool commentsMoves() const;
    void setCommentsMoves(bool on);
    // The game's sounds; on by default, off while HOSHI_SOUND is "off".
    bool sound() const;
    void setSound(bool on);

private:
    int number(const char* key, int lowest, int highest, int fallback) const;
    QVariant value(const char* key) const;
    void setValue(const char* key, const QVariant& value);

    // Null when the file is not one to read or write.
    std::unique_ptr<QSettings> m_Settings;
    // False when the file exists but cannot be read: then nothing read from it counts.
    bool m_Readable = false;
};
