#include "GnuGoAnswers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>

namespace {

using Kind = MoveReason::Kind;

// The lines GNU Go 3.8 writes for move_reasons; "%" stands for a vertex.
// A ko ending ("with good ko") or " (defenseless)" is removed before matching.
struct ReasonShape {
    std::string_view Text;
    Kind Type;
    std::size_t MoveSlot = 0; // which "%" is the move
};

constexpr ReasonShape kReasonShapes[] = {
    {"Move at % attacks %", Kind::Attacks},
    {"Move at % defends %", Kind::Defends},
    {"Move at % threatens to attack %", Kind::ThreatensToAttack},
    {"Move at % threatens to defend %", Kind::ThreatensToDefend},
    {"Move at % owl-attacks %", Kind::OwlAttacks},
    {"Move at % owl-attacks % (captures %)", Kind::OwlAttacks},
    {"Move at % owl-defends %", Kind::OwlDefends},
    {"Move at % owl-defends % (loses %)", Kind::OwlDefends},
    {"Move at % owl-threatens to attack %", Kind::OwlThreatensToAttack},
    {"Move at % owl-threatens to defend %", Kind::OwlThreatensToDefend},
    {"Move at % owl-prevents a threat to attack or defend %", Kind::OwlPreventsThreat},
    {"% found dead but not certainly, % attacks it again", Kind::AttacksAgain, 1},
    {"% found alive but not certainly, % defends it again", Kind::DefendsAgain, 1},
    {"Move at % either attacks % or attacks %", Kind::AttacksEither},
    {"Move at % both defends % and defends %", Kind::DefendsBoth},
    {"Move at % connects % and %", Kind::Connects},
    {"Move at % cuts % and %", Kind::Cuts},
    {"Move at % strategically attacks %", Kind::StrategicallyAttacks},
    {"Move at % strategically defends %", Kind::StrategicallyDefends},
    {"Move at % wins semeai for %", Kind::WinsSemeai},
    {"Move at % threatens to win semeai for %", Kind::ThreatensToWinSemeai},
    {"Move at % captures something", Kind::CapturesSomething},
    {"Move at % defends against combination attack", Kind::DefendsAgainstCombination},
    {"Move at % expands territory", Kind::ExpandsTerritory},
    {"Move at % expands moyo", Kind::ExpandsMoyo},
    {"Move at % is an invasion", Kind::Invades},
    {"Move at % is an antisuji", Kind::Antisuji},
    {"Move at % strategically or tactically unsafe", Kind::Unsafe},
};

// GTP's column letters: I is skipped.
constexpr std::string_view kColumns = "ABCDEFGHJ";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// ASCII only: the user's locale must not change how an answer reads.
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::int32_t> integer(std::string_view word, std::int32_t lowest, std::int32_t highest)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

// Removes the words at the end of a line when they are these.
bool removeEnding(std::vector<std::string_view>& words, std::initializer_list<std::string_view> ending)
{
    if (words.size() < ending.size() || !std::equal(ending.begin(), ending.end(), words.end() - static_cast<std::ptrdiff_t>(ending.size()))) {
        return false;
    }
    words.resize(words.size() - ending.size());
    return true;
}

} // namespace

std::optional<std::vector<CandidateMove>> GnuGoAnswers::topMoves(std::string_view text)
{
    const auto result = body(text);
    if (!result) {
        return std::nullopt;
    }
    const std::vector<std::string_view> list = words(*result);
    if (list.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<CandidateMove> moves;
    for (std::size_t i = 0; i < list.size(); i += 2) {
        const auto point = move(list[i]);
        const auto value = number(list[i + 1]);
        if (!point || !value) {
            return std::nullopt;
        }
        moves.push_back({*point, *value});
    }
    return moves;
}

std::optional<double> GnuGoAnswers::lead(std::string_view estimateScoreText)
{
    const auto result = body(estimateScoreText);
    const std::vector<std::string_view> list = result ? words(*result) : std::vector<std::string_view>{};
    if (list.empty() || list.front().size() < 2 || list.front()[1] != '+' || (list.front()[0] != 'B' && list.front()[0] != 'W')) {
        return std::nullopt;
    }
    const auto margin = number(list.front().substr(2));
    if (!margin || *margin < 0) {
        return std::nullopt;
    }
    return list.front()[0] == 'B' ? *margin : 0.0 - *margin;
}

std::optional<double> GnuGoAnswers::experimentalScore(std::string_view text)
{
    const auto result = body(text);
    const auto forWhite = result ? number(*result) : std::nullopt;
    // 0 - x rather than -x: an even game is +0, not -0.
    return forWhite ? std::optional(0.0 - *forWhite) : std::nullopt;
}

std::vector<MoveReason> GnuGoAnswers::moveReasons(std::string_view text)
{
    std::vector<MoveReason> reasons;
    std::string_view rest = body(text).value_or("");
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        if (const auto reason = moveReason(rest.substr(0, end))) {
            reasons.push_back(*reason);
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return reasons;
}

std::optional<MoveReason> GnuGoAnswers::moveReason(std::string_view line)
{
    std::vector<std::string_view> said = words(line);
    MoveReason::Ko ko = MoveReason::Ko::None;
    if (removeEnding(said, {"with", "good", "ko"})) {
        ko = MoveReason::Ko::Good;
    } else if (removeEnding(said, {"with", "bad", "ko"})) {
        ko = MoveReason::Ko::Bad;
    }
    removeEnding(said, {"(", "defenseless", ")"});
    for (const ReasonShape& shape : kReasonShapes) {
        const std::vector<std::string_view> pattern = words(shape.Text);
        if (pattern.size() != said.size() || !std::equal(pattern.begin(), pattern.end(), said.begin(),
                                                         [](std::string_view p, std::string_view w) { return p == "%" || p == w; })) {
            continue;
        }
        std::vector<GTPGoPoint> named;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] != "%") {
                continue;
            }
            const auto point = vertex(said[i]);
            if (!point) {
                return std::nullopt; // a known line naming no point of the board is garbage, not "Other"
            }
            named.push_back(*point);
        }
        const GTPGoPoint moved = named[shape.MoveSlot];
        named.erase(named.begin() + static_cast<std::ptrdiff_t>(shape.MoveSlot));
        return MoveReason{shape.Type, moved, named, ko};
    }
    if (said.size() < 3 || said[0] != "Move" || said[1] != "at" || !vertex(said[2])) {
        return std::nullopt;
    }
    MoveReason other{Kind::Other, *vertex(said[2]), {}, ko};
    for (std::size_t i = 3; i < said.size(); ++i) {
        if (const auto point = vertex(said[i])) {
            other.Points.push_back(*point);
        }
    }
    return other;
}

std::optional<DragonStatus> GnuGoAnswers::dragonStatus(std::string_view text)
{
    const auto result = body(text);
    const std::vector<std::string_view> said = result ? words(*result) : std::vector<std::string_view>{};
    using State = DragonStatus::State;
    if (said.size() == 1) {
        for (const auto& [name, state] : {std::pair{"alive", State::Alive}, {"dead", State::Dead}, {"unknown", State::Unknown}}) {
            if (said.front() == name) {
                return DragonStatus{state, std::nullopt, std::nullopt};
            }
        }
    }
    if (said.size() == 3 && said.front() == "critical") {
        const auto attack = move(said[1]);
        const auto defence = move(said[2]);
        if (attack && defence) {
            return DragonStatus{State::Critical, *attack, *defence};
        }
    }
    return std::nullopt;
}

std::optional<GnuGoAnswers::Ownership> GnuGoAnswers::influence(std::string_view text)
{
    const auto result = body(text);
    const std::vector<std::string_view> values = result ? words(*result) : std::vector<std::string_view>{};
    if (values.size() != static_cast<std::size_t>(BoardSize * BoardSize)) {
        return std::nullopt;
    }
    Ownership ownership;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = integer(values[i], -4, 4);
        if (!value) {
            return std::nullopt;
        }
        const auto index = static_cast<std::int32_t>(i);
        ownership.emplace(GTPGoPoint(index % BoardSize + 1, BoardSize - index / BoardSize), *value);
    }
    return ownership;
}

std::optional<std::vector<GTPGoPoint>> GnuGoAnswers::points(std::string_view text)
{
    const auto result = body(text);
    if (!result) {
        return std::nullopt;
    }
    std::vector<GTPGoPoint> list;
    for (const std::string_view word : words(*result)) {
        const auto point = vertex(word);
        if (!point) {
            return std::nullopt;
        }
        list.push_back(*point);
    }
    return list;
}

std::optional<std::int32_t> GnuGoAnswers::count(std::string_view text)
{
    const auto result = body(text);
    return result ? integer(*result, 0, BoardSize * BoardSize) : std::nullopt;
}

std::optional<GTPGoPoint> GnuGoAnswers::vertex(std::string_view word)
{
    const std::size_t column = word.empty() ? std::string_view::npos : kColumns.find(upper(word.front()));
    // A row written with a leading zero or a sign is no GTP vertex.
    const bool plainRow = word.size() >= 2 && word[1] >= '1' && word[1] <= '9';
    const auto row = plainRow ? integer(word.substr(1), 1, BoardSize) : std::nullopt;
    if (column == std::string_view::npos || column >= static_cast<std::size_t>(BoardSize) || !row) {
        return std::nullopt;
    }
    return GTPGoPoint(static_cast<std::int32_t>(column) + 1, *row);
}

std::optional<std::string_view> GnuGoAnswers::body(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '?') {
        return std::nullopt;
    }
    if (!text.empty() && text.front() == '=') {
        text.remove_prefix(1);
        while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
            text.remove_prefix(1); // the command's id
        }
        text = trimmed(text);
    }
    return text;
}

std::vector<std::string_view> GnuGoAnswers::words(std::string_view text)
{
    std::vector<std::string_view> list;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool ends = i == text.size() || isBlank(text[i]) || text[i] == '(' || text[i] == ')' || text[i] == ',';
        if (!ends) {
            continue;
        }
        if (i > start) {
            list.push_back(text.substr(start, i - start));
        }
        if (i < text.size() && !isBlank(text[i])) {
            list.push_back(text.substr(i, 1));
        }
        start = i + 1;
    }
    return list;
}

std::optional<double> GnuGoAnswers::number(std::string_view word)
{
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::fixed);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || !std::isfinite(value) ||
        std::fabs(value) > MaximumMagnitude) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::optional<GTPGoPoint>> GnuGoAnswers::move(std::string_view word)
{
    if (sameLetters(word, "PASS")) {
        return std::optional<GTPGoPoint>();
    }
    if (const auto point = vertex(word)) {
        return std::optional<std::optional<GTPGoPoint>>(point);
    }
    return std::nullopt;
}
