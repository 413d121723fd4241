#pragma once

#include "sgf/SGFReadResult.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string>

// Where games are kept and how they are written and read: SGF files, written
// atomically (a crash never leaves half a file), read with the reasons for a
// refusal in the player's language.
class GameArchive {
    Q_DECLARE_TR_FUNCTIONS(GameArchive)
public:
    // $XDG_DATA_HOME/hoshi/games, by default ~/.local/share/hoshi/games.
    static QString folder();
    // The file of a game started then: 2026-12-06T20-15-03.sgf in folder(), and
    // 2026-12-06T20-15-03-2.sgf for the second game of that second.
    static QString autosavePath(const QDateTime& start, int number = 1);
    // Writes the text over the file through a temporary one; the reason, in the
    // player's language, when it could not (the file is then as it was).
    static std::optional<QString> write(const QString& path, const std::string& sgf);
    // Writes the text to the first autosavePath of that start that nothing
    // occupies, claimed atomically against other hoshi windows; sets path.
    static std::optional<QString> claim(const QDateTime& start, const std::string& sgf, QString& path);
    // The file's game, or why it cannot be opened, in the player's language.
    // Only a regular file is opened: a FIFO or a device would block.
    static SGFReadResult read(const QString& path, QString& problem);
    static QString describe(const SGFReadError& error);

private:
    static std::optional<QString> makeFolder(const QString& path);
    static QString failure(const QString& path, int error);
    static QString refusal(GTPGoMoveMessage code);
};
