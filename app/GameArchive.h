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
    // The autosaved file of a game started then: 2026-12-06T20-15-03.sgf in folder().
    static QString autosavePath(const QDateTime& start);
    // Writes the text to the file through a temporary one; the reason, in the
    // player's language, when it could not.
    static std::optional<QString> write(const QString& path, const std::string& sgf);
    // The file's game, or why it cannot be opened, in the player's language.
    static SGFReadResult read(const QString& path, QString& problem);
    static QString describe(const SGFReadError& error);

private:
    static QString refusal(GTPGoMoveMessage code);
};
