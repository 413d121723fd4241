#pragma once

#include "SGFGameRecord.h"
#include "rules/GTPGoPoint.h"

#include <cstdint>
#include <string>
#include <string_view>

// Writes a game record as one SGF (FF[4]) game tree: the root node on the
// first line, then the moves, ten to a line.
class SGFWriter {
public:
    static std::string write(const SGFGameRecord& record);
    // Two letters from 'a': the column (X 1 is 'a'), then the row counted from
    // the top; GTP's skipped I does not exist here (GTP J1 is "ai" on 9 x 9).
    static std::string pointText(const GTPGoPoint& point, std::int32_t boardSize);

private:
    static void appendProperty(std::string& out, std::string_view identifier, std::string_view value);
    static void appendRootNode(std::string& out, const SGFGameRecord& record);
    static void appendNote(std::string& out, const SGFMoveNote& note, std::int32_t boardSize);
    // The shortest text that reads back as the same number: 0, 7, 0.5, 6.5.
    static std::string numberText(double value);
};
