#pragma once

#include "SGFMoveNote.h"
#include "rules/GTPGoGame.h"
#include "rules/GTPGoMove.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One game as a saved file holds it. Texts are UTF-8.
struct SGFGameRecord {
    // "hoshi:" and the program's version, the default Application.
    static std::string hoshiApplication();
    // A game as hoshi keeps it: settings, every move and the result. Names,
    // date, times and rules are the caller's to fill in.
    static SGFGameRecord fromGame(const GTPGoGame& game);
    // The game this record describes, every move replayed, ended as its result
    // says; main time from the record, else the given one. A record that
    // SGFReader has read always replays.
    std::unique_ptr<GTPGoGame> toGame(std::int32_t mainTime, GTPGoClock::TimeSource timeSource = {}) const;
    // "B+3.0", "W+R", "B+T", "W+F", "Void", "0" for a draw, "?" for a game not over.
    static std::string resultText(const GTPGoGame& game);

    std::int32_t BoardSize = 9;
    double Komi = 0.0;
    // 0 to 9; the stones of 2 and more are the board's own handicap points.
    std::int32_t Handicap = 0;
    std::string BlackName;
    std::string WhiteName;
    // "YYYY-MM-DD".
    std::string Date;
    // Whole seconds for each side.
    std::optional<std::int32_t> MainTime;
    // Free text, e.g. "1/5 byo-yomi".
    std::string Overtime;
    // "B+3.0", "W+R", "B+T", "W+F", "0" for a draw, "?" unfinished; empty: none written.
    std::string Result;
    std::string Rules;
    std::string Application = hoshiApplication();
    // Every move in order, with the second pass of a game ended by two passes.
    std::vector<GTPGoMove> Moves;
    // The notes of the first moves, as many as have any; the rest have none.
    std::vector<SGFMoveNote> Notes;

    bool operator==(const SGFGameRecord& other) const = default;
};
