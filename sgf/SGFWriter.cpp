#include "SGFWriter.h"

#include "rules/GTPGoBoard.h"

#include <charconv>
#include <utility>

namespace {
constexpr std::size_t kMovesPerLine = 10;
constexpr std::int32_t kFirstHandicapWithStones = 2;
constexpr std::int32_t kLastHandicap = 9;
}

std::string SGFWriter::pointText(const GTPGoPoint& point, std::int32_t boardSize)
{
    return {static_cast<char>('a' + point.X() - 1), static_cast<char>('a' + boardSize - point.Y())};
}

void SGFWriter::appendProperty(std::string& out, std::string_view identifier, std::string_view value)
{
    out += identifier;
    out += '[';
    for (const char c : value) {
        if (c == ']' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    out += ']';
}

std::string SGFWriter::numberText(double value)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

void SGFWriter::appendRootNode(std::string& out, const SGFGameRecord& record)
{
    out += "(;GM[1]FF[4]CA[UTF-8]";
    if (!record.Application.empty()) {
        appendProperty(out, "AP", record.Application);
    }
    appendProperty(out, "SZ", std::to_string(record.BoardSize));
    appendProperty(out, "KM", numberText(record.Komi));
    if (record.Handicap >= kFirstHandicapWithStones && record.Handicap <= kLastHandicap) {
        appendProperty(out, "HA", std::to_string(record.Handicap));
        out += "AB";
        const GTPGoBoard board(record.BoardSize, record.Handicap);
        for (const GTPGoPoint& point : board.HandicapPoints()) {
            out += '[' + pointText(point, record.BoardSize) + ']';
        }
    }
    appendProperty(out, "PB", record.BlackName);
    appendProperty(out, "PW", record.WhiteName);
    appendProperty(out, "DT", record.Date);
    if (record.MainTime) {
        appendProperty(out, "TM", std::to_string(*record.MainTime));
    }
    const std::pair<const char*, const std::string*> optionalTexts[] = {
        {"OT", &record.Overtime}, {"RE", &record.Result}, {"RU", &record.Rules}};
    for (const auto& [identifier, text] : optionalTexts) {
        if (!text->empty()) {
            appendProperty(out, identifier, *text);
        }
    }
    out += '\n';
}

void SGFWriter::appendNote(std::string& out, const SGFMoveNote& note, std::int32_t boardSize)
{
    if (note.Value) {
        appendProperty(out, "V", numberText(*note.Value));
    }
    if (note.BadMove > 0) {
        appendProperty(out, "BM", std::to_string(note.BadMove));
    }
    // The file's own comment first, then a blank line and the analysis's paragraph, which
    // is how the reader tells them apart again.
    if (note.Loss) {
        appendProperty(out, "C", note.Comment.empty() ? note.Analysis : note.Comment + "\n\n" + note.Analysis);
    } else if (!note.Comment.empty()) {
        appendProperty(out, "C", note.Comment);
    }
    if (note.Better) {
        appendProperty(out, "TR", pointText(*note.Better, boardSize));
    }
    if (note.Loss) {
        appendProperty(out, "HL", numberText(*note.Loss));
    }
}

std::string SGFWriter::write(const SGFGameRecord& record)
{
    std::string out;
    out.reserve(256 + record.Moves.size() * 6);
    appendRootNode(out, record);
    for (std::size_t i = 0; i < record.Moves.size(); ++i) {
        const GTPGoMove& move = record.Moves[i];
        out += move.Color() == GTPGoColorBlack ? ";B[" : ";W[";
        if (!move.IsPass() && move.Point()) {
            out += pointText(*move.Point(), record.BoardSize);
        }
        out += ']';
        const bool noted = i < record.Notes.size() && !record.Notes[i].isEmpty();
        if (noted) {
            appendNote(out, record.Notes[i], record.BoardSize);
        }
        if (noted || (i + 1) % kMovesPerLine == 0 || i + 1 == record.Moves.size()) {
            out += '\n';
        }
    }
    out += ")\n";
    return out;
}
