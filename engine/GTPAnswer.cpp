#include "GTPAnswer.h"

#include <algorithm>
#include <cctype>

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
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

bool equalsIgnoringCase(std::string_view text, std::string_view word)
{
    return text.size() == word.size()
        && std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

std::optional<GTPGoPoint> parseVertex(std::string_view text, std::int32_t boardSize)
{
    if (text.size() < 2 || text.size() > 3) {
        return std::nullopt;
    }
    const auto column = GTPAnswer::columnOfLetter(text[0]);
    std::int32_t row = 0;
    for (const char digit : text.substr(1)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        row = row * 10 + (digit - '0');
    }
    if (!column || text[1] == '0' || *column > boardSize || row < 1 || row > boardSize) {
        return std::nullopt;
    }
    return GTPGoPoint(*column, row);
}
}

std::optional<std::int32_t> GTPAnswer::columnOfLetter(char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (upper < 'A' || upper > 'Z' || upper == 'I') {
        return std::nullopt;
    }
    return upper < 'J' ? upper - 'A' + 1 : upper - 'A';
}

bool GTPAnswer::isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t value = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            value = (value << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

GTPAnswer GTPAnswer::parse(std::string_view answer, std::int32_t boardSize)
{
    if (!isValidUtf8(answer) || answer.empty() || (answer.front() != '=' && answer.front() != '?')) {
        return GTPAnswer(Kind::Unrecognised, std::string());
    }
    const bool success = answer.front() == '=';
    std::string_view rest = answer.substr(1, answer.find('\n') == std::string_view::npos ? std::string_view::npos
                                                                                          : answer.find('\n') - 1);
    // GTP lets an answer repeat the command's id right after the sign.
    while (!rest.empty() && rest.front() >= '0' && rest.front() <= '9') {
        rest.remove_prefix(1);
    }
    const std::string_view text = trimmed(rest);
    if (!success) {
        return GTPAnswer(Kind::Failure, std::string(text));
    }
    if (text.empty()) {
        return GTPAnswer(Kind::Success, std::string());
    }
    if (equalsIgnoringCase(text, "pass")) {
        return GTPAnswer(Kind::Pass, std::string(text));
    }
    if (equalsIgnoringCase(text, "resign")) {
        return GTPAnswer(Kind::Resign, std::string(text));
    }
    if (const auto point = parseVertex(text, boardSize)) {
        return GTPAnswer(Kind::Vertex, std::string(text), point);
    }
    return GTPAnswer(Kind::BadVertex, std::string(text));
}
