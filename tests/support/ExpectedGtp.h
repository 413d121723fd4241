#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The handicap stones as GTP vertices in placing order: the board's points and
// the engine's "set_free_handicap" line both follow it. "" below 2 stones.
inline std::string handicapVertices(std::int32_t handicap)
{
    static const char* const vertices[] = {"C3 G7", "C3 G7 G3", "C3 G7 G3 C7", "C3 G7 G3 C7 E5", "C3 G7 G3 C7 C5 G5",
        "C3 G7 G3 C7 E5 C5 G5", "C3 G7 G3 C7 C5 G5 E3 E7", "C3 G7 G3 C7 E5 C5 G5 E3 E7"};
    return handicap >= 2 && handicap <= 9 ? vertices[handicap - 2] : "";
}

// What a new game against the engine sends before its first move, written out
// once for every test: the board's "clear_board", the settings, the handicap
// (for one stone an empty line, which GTP ignores but the engine still receives).
inline std::vector<std::string> expectedStartLines(std::int32_t handicap, const std::string& komi = "0.0",
                                                   const std::string& timeSettings = "0 5 1")
{
    std::vector<std::string> lines = {"clear_board", "boardsize 9", "clear_board", "komi " + komi,
                                      "time_settings " + timeSettings};
    if (handicap >= 1) {
        lines.push_back(handicap == 1 ? "" : "set_free_handicap  " + handicapVertices(handicap));
    }
    return lines;
}

#ifdef QT_CORE_LIB
#include <QStringList>

inline QStringList expectedStartLineList(std::int32_t handicap)
{
    QStringList lines;
    for (const std::string& line : expectedStartLines(handicap)) {
        lines << QString::fromStdString(line);
    }
    return lines;
}
#endif
