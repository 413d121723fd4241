// SGFReader's second step: the main line's properties to a game record, every
// move replayed through GTPGoGame so that the record is one hoshi can play on.
#include "SGFReader.h"

#include "rules/GTPGoBoard.h"
#include "rules/GTPGoGame.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>
#include <utility>

namespace {
using Kind = SGFReadErrorKind;

constexpr std::int32_t kBoardSize = 9;
constexpr std::int32_t kMaximumHandicap = 9;
constexpr double kLargestBoard = 52;
constexpr double kLargestKomi = 1000;
constexpr double kLongestMainTime = 1e9;
// Values quoted in messages are cut here: a damaged file may hold megabytes in one.
constexpr std::size_t kQuotedValueLength = 24;

SGFReadError failure(Kind kind, std::string detail, std::int32_t moveNumber = 0,
                     GTPGoMoveMessage refusal = GTPGoMessageNone)
{
    return SGFReadError{kind, moveNumber, refusal, std::move(detail)};
}

// "KM[abc]", as written.
std::string quoted(std::string_view identifier, std::string_view value)
{
    std::string text(identifier);
    text += '[';
    text += value.substr(0, kQuotedValueLength);
    text += value.size() > kQuotedValueLength ? "…]" : "]";
    return text;
}

bool sortedLess(const GTPGoPoint& a, const GTPGoPoint& b)
{
    return a.hash() < b.hash();
}

std::string integerText(double value)
{
    return std::to_string(static_cast<std::int64_t>(value));
}
}

SGFReadResult SGFReader::read(std::string_view text)
{
    SGFReadResult result;
    if (text.size() > MaximumSize) {
        result.Error = failure(Kind::TooLarge, std::to_string(MaximumSize));
        return result;
    }
    try {
        MainLine line;
        SGFGameRecord record;
        std::optional<SGFReadError> error = parse(text, line);
        if (!error) {
            error = readRoot(line, record);
        }
        if (!error) {
            error = readSetup(line, record);
        }
        if (!error) {
            error = replayMoves(line, record);
        }
        if (error) {
            result.Error = std::move(*error);
        } else {
            result.Record = std::move(record);
        }
    } catch (const std::bad_alloc&) {
        result.Error = failure(Kind::TooLarge, std::to_string(MaximumSize));
    }
    return result;
}

std::string SGFReader::simpleText(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const bool escaped = raw[i] == '\\' && i + 1 < raw.size();
        i += escaped ? 1 : 0;
        const char c = raw[i];
        if (c == '\n' || c == '\r') {
            // One line break, whichever its bytes: "\r\n" and "\n\r" too.
            if (i + 1 < raw.size() && (raw[i + 1] == '\n' || raw[i + 1] == '\r') && raw[i + 1] != c) {
                ++i;
            }
            if (!escaped) {
                text += ' ';
            }
        } else if (c == '\t' || c == '\v' || c == '\f') {
            text += ' ';
        } else {
            text += c;
        }
    }
    return text;
}

std::string SGFReader::text(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            ++i;
            const bool softBreak = raw[i] == '\n' || raw[i] == '\r';
            if (softBreak && i + 1 < raw.size() && (raw[i + 1] == '\n' || raw[i + 1] == '\r') && raw[i + 1] != raw[i]) {
                ++i;
            }
            if (!softBreak) {
                text += raw[i];
            }
        } else {
            text += raw[i];
        }
    }
    return text;
}

SGFMoveNote SGFReader::note(const MainLine& line, std::size_t node)
{
    SGFMoveNote note;
    const auto first = std::lower_bound(line.Properties.begin(), line.Properties.end(), node,
                                        [](const Property& property, std::size_t n) { return property.Node < n; });
    for (auto property = first; property != line.Properties.end() && property->Node == node; ++property) {
        const std::string_view value = line.Values[property->FirstValue];
        const std::string& id = property->Identifier;
        if (id == "V" || id == "HL") {
            (id == "V" ? note.Value : note.Loss) = number(value);
        } else if (id == "BM") {
            note.BadMove = number(value) == 2.0 ? 2 : 1;
        } else if (id == "C") {
            note.Comment = text(value);
        } else if (id == "TR") {
            note.Better = point(value, kBoardSize);
        }
    }
    // hoshi's analysis wrote the comment's last paragraph, after a blank line.
    if (note.Loss) {
        const std::size_t paragraph = note.Comment.rfind("\n\n");
        note.Analysis = paragraph == std::string::npos ? note.Comment : note.Comment.substr(paragraph + 2);
        note.Comment = paragraph == std::string::npos ? std::string() : note.Comment.substr(0, paragraph);
    }
    return note;
}

std::optional<double> SGFReader::number(std::string_view text)
{
    while (!text.empty() && isWhitespace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isWhitespace(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<GTPGoPoint> SGFReader::point(std::string_view value, std::int32_t boardSize)
{
    if (value.size() != 2) {
        return std::nullopt;
    }
    const std::int32_t x = value[0] - 'a' + 1;
    const std::int32_t rowFromTop = value[1] - 'a';
    if (x < 1 || x > boardSize || rowFromTop < 0 || rowFromTop >= boardSize) {
        return std::nullopt;
    }
    return GTPGoPoint(x, boardSize - rowFromTop);
}

std::optional<SGFReadError> SGFReader::readRoot(const MainLine& line, SGFGameRecord& record)
{
    static const std::pair<const char*, std::string SGFGameRecord::*> texts[] = {
        {"PB", &SGFGameRecord::BlackName}, {"PW", &SGFGameRecord::WhiteName}, {"DT", &SGFGameRecord::Date},
        {"OT", &SGFGameRecord::Overtime},  {"RE", &SGFGameRecord::Result},    {"RU", &SGFGameRecord::Rules},
        {"AP", &SGFGameRecord::Application}};
    record.Application.clear();
    std::string game = "1";
    std::string size;
    std::string komi;
    std::string handicap;
    std::string mainTime;
    for (const Property& property : line.Properties) {
        if (property.Node != 0) {
            break;
        }
        std::string value = simpleText(line.Values[property.FirstValue]);
        const std::string& id = property.Identifier;
        for (const auto& [textId, member] : texts) {
            if (id == textId) {
                record.*member = value;
            }
        }
        std::string* numeric = id == "GM" ? &game
            : id == "SZ"                  ? &size
            : id == "KM"                  ? &komi
            : id == "HA"                  ? &handicap
            : id == "TM"                  ? &mainTime
                                          : nullptr;
        if (numeric) {
            *numeric = std::move(value);
        }
    }
    if (auto error = checkGameAndSize(game, size)) {
        return error;
    }
    return readNumbers(komi, handicap, mainTime, record);
}

std::optional<SGFReadError> SGFReader::checkGameAndSize(const std::string& game, const std::string& size)
{
    const std::optional<double> gameNumber = number(game);
    if (!game.empty() && gameNumber != 1.0) {
        return failure(Kind::NotGo, game.substr(0, kQuotedValueLength));
    }
    // SZ is "9" for a square board, "9:9" for columns and rows.
    const std::size_t colon = size.find(':');
    const std::optional<double> columns = number(size.empty() ? "19" : size.substr(0, colon));
    const std::optional<double> rows = colon == std::string::npos ? columns : number(size.substr(colon + 1));
    for (const auto& side : {columns, rows}) {
        if (!side || *side != std::floor(*side) || *side < 1 || *side > kLargestBoard) {
            return failure(Kind::BadValue, quoted("SZ", size));
        }
    }
    if (*columns != kBoardSize || *rows != kBoardSize) {
        return failure(Kind::BoardSize, integerText(*columns) + " × " + integerText(*rows));
    }
    return std::nullopt;
}

std::optional<SGFReadError> SGFReader::readNumbers(const std::string& komi, const std::string& handicap,
                                                   const std::string& mainTime, SGFGameRecord& record)
{
    const std::optional<double> komiValue = number(komi);
    if (!komi.empty() && (!komiValue || std::fabs(*komiValue) > kLargestKomi)) {
        return failure(Kind::BadValue, quoted("KM", komi));
    }
    record.Komi = komiValue.value_or(0.0);

    const std::optional<double> stones = number(handicap);
    if (!handicap.empty() && (!stones || *stones != std::floor(*stones))) {
        return failure(Kind::BadValue, quoted("HA", handicap));
    }
    if (stones && (*stones < 0 || *stones > kMaximumHandicap)) {
        return failure(Kind::Handicap, handicap.substr(0, kQuotedValueLength));
    }
    // HA[1] places no stone: it is no handicap, as the writer sees it too.
    record.Handicap = stones.value_or(0) >= 2 ? static_cast<std::int32_t>(*stones) : 0;

    const std::optional<double> seconds = number(mainTime);
    if (!mainTime.empty() && (!seconds || *seconds < 0 || *seconds > kLongestMainTime)) {
        return failure(Kind::BadValue, quoted("TM", mainTime));
    }
    if (seconds) {
        record.MainTime = static_cast<std::int32_t>(std::lround(*seconds));
    }
    return std::nullopt;
}

std::optional<SGFReadError> SGFReader::readSetup(const MainLine& line, SGFGameRecord& record)
{
    std::vector<GTPGoPoint> stones;
    bool handicapWritten = false;
    for (const Property& property : line.Properties) {
        const std::string& id = property.Identifier;
        handicapWritten = handicapWritten || (property.Node == 0 && id == "HA");
        if (id == "AW" || id == "AE" || (id == "AB" && property.Node != 0)) {
            return failure(Kind::UnsupportedSetup, id);
        }
        if (id != "AB") {
            continue;
        }
        for (std::size_t i = 0; i < property.ValueCount; ++i) {
            const std::optional<GTPGoPoint> stone = point(line.Values[property.FirstValue + i], kBoardSize);
            if (!stone || stones.size() >= static_cast<std::size_t>(kMaximumHandicap)) {
                return failure(Kind::UnsupportedSetup, id);
            }
            stones.push_back(*stone);
        }
    }
    if (!handicapWritten) {
        record.Handicap = static_cast<std::int32_t>(stones.size());
    }
    // Any order in the file; the board's own points, each once.
    std::vector<GTPGoPoint> expected = GTPGoBoard(kBoardSize, record.Handicap).HandicapPoints();
    std::sort(stones.begin(), stones.end(), sortedLess);
    std::sort(expected.begin(), expected.end(), sortedLess);
    if (stones != expected) {
        return failure(Kind::UnsupportedSetup, stones.empty() ? quoted("HA", std::to_string(record.Handicap)) : "AB");
    }
    return std::nullopt;
}

std::optional<SGFReadError> SGFReader::replayMoves(const MainLine& line, SGFGameRecord& record)
{
    GTPGoGameInfo gameInfo;
    gameInfo.setHandicap(record.Handicap);
    gameInfo.setKomi(static_cast<float>(record.Komi));
    GTPGoGame game(gameInfo, [] { return 0.0; });
    for (const Property& property : line.Properties) {
        if (property.Identifier != "B" && property.Identifier != "W") {
            continue;
        }
        const GTPGoColor color = property.Identifier == "B" ? GTPGoColorBlack : GTPGoColorWhite;
        for (std::size_t i = 0; i < property.ValueCount; ++i) {
            const std::string_view value = line.Values[property.FirstValue + i];
            const auto moveNumber = static_cast<std::int32_t>(record.Moves.size() + 1);
            if (game.IsGameOver()) {
                return failure(Kind::MoveAfterEnd, quoted(property.Identifier, value), moveNumber);
            }
            const bool isPass = value.empty() || value == "tt";
            const std::optional<GTPGoPoint> stone = isPass ? std::nullopt : point(value, kBoardSize);
            if (!isPass && !stone) {
                return failure(Kind::OffBoard, quoted(property.Identifier, value), moveNumber);
            }
            const GTPGoMove move = isPass ? GTPGoMove::pass(color) : GTPGoMove::stone(color, *stone);
            // The game takes a pass of either colour; a file must still alternate.
            GTPGoMoveMessage message = isPass && color != game.ColorToMove() ? GTPGoMessageNotYourTurn
                                                                             : GTPGoMessageNone;
            // A second pass in a row is refused as a turn but ends the game: it stays in the record.
            if (message != GTPGoMessageNone || (!game.playMove(move, message) && !game.IsGameOver())) {
                return failure(Kind::IllegalMove, quoted(property.Identifier, value), moveNumber, message);
            }
            record.Moves.push_back(move);
            if (SGFMoveNote note = SGFReader::note(line, property.Node); !note.isEmpty()) {
                record.Notes.resize(record.Moves.size());
                record.Notes.back() = std::move(note);
            }
        }
    }
    return std::nullopt;
}
