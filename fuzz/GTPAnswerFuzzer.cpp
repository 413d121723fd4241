// libFuzzer target for the engine's output handling: framing, answer parsing
// and the engine command line splitting. The first input byte chooses how the
// rest is cut into reads; framing must not depend on the cut.

#include "engine/GTPAnswer.h"
#include "engine/GTPAnswerFramer.h"
#include "engine/GTPCommandText.h"
#include "engine/ShellWords.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

std::vector<std::string> frameInPieces(std::string_view bytes, std::uint8_t seed)
{
    GTPAnswerFramer framer;
    std::vector<std::string> answers;
    std::size_t piece = 1 + seed % 7;
    while (!bytes.empty()) {
        const std::size_t size = std::min(piece, bytes.size());
        for (auto& answer : framer.append(bytes.substr(0, size))) {
            answers.push_back(std::move(answer));
        }
        bytes.remove_prefix(size);
        piece = 1 + (piece * 5 + seed) % 13;
    }
    return answers;
}

void checkAnswer(const std::string& text, std::int32_t boardSize)
{
    const GTPAnswer answer = GTPAnswer::parse(text, boardSize);
    require(answer.point().has_value() == (answer.kind() == GTPAnswer::Kind::Vertex));
    if (const auto& point = answer.point()) {
        require(point->X() >= 1 && point->X() <= boardSize && point->Y() >= 1 && point->Y() <= boardSize);
        // A vertex read back is written the same way, up to letter case.
        const std::string written = GTPCommandText::vertex(point->X(), point->Y());
        const GTPAnswer again = GTPAnswer::parse("= " + written, boardSize);
        require(again.kind() == GTPAnswer::Kind::Vertex && *again.point() == *point);
    }
    require(answer.text().find('\n') == std::string::npos);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    GTPAnswerFramer whole;
    const std::vector<std::string> answers = whole.append(bytes);
    require(frameInPieces(bytes, data[0]) == answers);
    for (const std::string& answer : answers) {
        require(answer.size() <= GTPAnswerFramer::MaximumAnswerSize);
        require(answer.find('\r') == std::string::npos);
        checkAnswer(answer, 9);
        checkAnswer(answer, 19);
    }

    if (const auto words = ShellWords::split(bytes)) {
        for (const std::string& word : *words) {
            require(word.size() <= bytes.size());
        }
    }
    return 0;
}
