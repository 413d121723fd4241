// SGFReader's first step: the text to the flat list of the main line's
// properties. One pass, no recursion; only the first variation at every
// branch is kept, the rest is checked for closed brackets and parentheses.
#include "SGFReader.h"

#include <algorithm>

namespace {
using Kind = SGFReadErrorKind;

constexpr std::size_t kReservedProperties = 1024;
constexpr std::size_t kLongestIdentifier = 2;

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

SGFReadError parseError(Kind kind, std::size_t offset = 0)
{
    return SGFReadError{kind, 0, GTPGoMessageNone, kind == Kind::Malformed ? std::to_string(offset + 1) : ""};
}
}

bool SGFReader::isWhitespace(char c)
{
    // Control bytes count as white space too: stray ones between tokens are harmless.
    return static_cast<unsigned char>(c) <= ' ';
}

std::size_t SGFReader::findGameTree(std::string_view text)
{
    for (std::size_t open = text.find('('); open != std::string_view::npos; open = text.find('(', open + 1)) {
        std::size_t next = open + 1;
        while (next < text.size() && isWhitespace(text[next])) {
            ++next;
        }
        if (next < text.size() && text[next] == ';') {
            return open + 1;
        }
    }
    return std::string_view::npos;
}

std::size_t SGFReader::valueEnd(std::string_view text, std::size_t from)
{
    std::size_t i = text.find_first_of("\\]", from + 1);
    // A backslash escapes the next character, "]" included.
    while (i != std::string_view::npos && text[i] == '\\') {
        i = text.find_first_of("\\]", i + 2);
    }
    return i;
}

std::string SGFReader::identifier(std::string_view letters)
{
    const bool hasUpper = std::any_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    std::string id;
    for (const char c : letters) {
        if (!hasUpper) {
            id += static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            id += c;
        }
    }
    return id;
}

std::optional<SGFReadError> SGFReader::parseProperty(std::string_view text, std::size_t& pos, std::size_t node,
                                                     bool onMainLine, MainLine& line)
{
    const std::size_t start = pos;
    while (pos < text.size() && isLetter(text[pos])) {
        ++pos;
    }
    // Every property hoshi reads has one or two letters: longer ones are not kept.
    std::string id = onMainLine ? identifier(text.substr(start, pos - start)) : std::string();
    const bool keep = !id.empty() && id.size() <= kLongestIdentifier;
    const std::size_t firstValue = line.Values.size();
    std::size_t values = 0;
    for (;;) {
        while (pos < text.size() && isWhitespace(text[pos])) {
            ++pos;
        }
        if (pos >= text.size() || text[pos] != '[') {
            break;
        }
        const std::size_t end = valueEnd(text, pos);
        if (end == std::string_view::npos) {
            return parseError(Kind::Truncated);
        }
        if (keep) {
            line.Values.push_back(text.substr(pos + 1, end - pos - 1));
        }
        ++values;
        pos = end + 1;
    }
    if (values == 0) {
        return parseError(pos >= text.size() ? Kind::Truncated : Kind::Malformed, pos);
    }
    if (keep) {
        line.Properties.push_back({std::move(id), node, firstValue, values});
    }
    return std::nullopt;
}

std::optional<SGFReadError> SGFReader::parse(std::string_view text, MainLine& line)
{
    std::size_t pos = findGameTree(text);
    if (pos == std::string_view::npos) {
        return parseError(Kind::NotSGF);
    }
    // About one property per six bytes in a game record; bounded for damaged giants.
    const std::size_t expected = std::min<std::size_t>(text.size() / 6, kReservedProperties);
    line.Properties.reserve(expected);
    line.Values.reserve(expected);
    std::size_t depth = 1;
    std::size_t nodes = 0;
    // The main line ends at the first ")": every earlier "(" opened a first variation.
    bool onMainLine = true;
    bool expectNode = true;
    bool inNode = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isWhitespace(c)) {
            ++pos;
            continue;
        }
        if (expectNode && c != ';') {
            return parseError(Kind::Malformed, pos);
        }
        if (c == ';') {
            expectNode = false;
            inNode = true;
            nodes += onMainLine ? 1 : 0;
            ++pos;
        } else if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : -1;
            if (depth == 0) {
                return std::nullopt;
            }
            onMainLine = onMainLine && c == '(';
            expectNode = c == '(';
            inNode = false;
            ++pos;
        } else if (isLetter(c) && inNode) {
            if (auto error = parseProperty(text, pos, nodes - 1, onMainLine, line)) {
                return error;
            }
        } else {
            return parseError(Kind::Malformed, pos);
        }
    }
    return parseError(Kind::Truncated);
}
