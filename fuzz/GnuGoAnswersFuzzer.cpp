// libFuzzer target for the coach's reading of GNU Go's analysis answers: every
// reader on every input, and what each gives back must hold on a 9 × 9 board.
#include "coach/GnuGoAnswers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

bool onBoard(const GTPGoPoint& point)
{
    return point.X() >= 1 && point.X() <= GnuGoAnswers::BoardSize && point.Y() >= 1 && point.Y() <= GnuGoAnswers::BoardSize;
}

bool sane(double value)
{
    return std::isfinite(value) && std::abs(value) <= GnuGoAnswers::MaximumMagnitude;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const CandidateMove& move : GnuGoAnswers::topMoves(text).value_or(std::vector<CandidateMove>())) {
        require(sane(move.Value) && (!move.Point || onBoard(*move.Point)));
    }
    for (const auto value : {GnuGoAnswers::lead(text), GnuGoAnswers::experimentalScore(text)}) {
        require(!value || sane(*value));
    }
    for (const MoveReason& reason : GnuGoAnswers::moveReasons(text)) {
        require(onBoard(reason.Move));
        for (const GTPGoPoint& point : reason.Points) {
            require(onBoard(point));
        }
    }
    if (const auto dragon = GnuGoAnswers::dragonStatus(text)) {
        require(!dragon->Attack || onBoard(*dragon->Attack));
    }
    if (const auto owners = GnuGoAnswers::influence(text)) {
        for (const auto& [point, value] : *owners) {
            require(onBoard(point) && value >= -4 && value <= 4);
        }
    }
    for (const GTPGoPoint& point : GnuGoAnswers::points(text).value_or(std::vector<GTPGoPoint>())) {
        require(onBoard(point));
    }
    if (const auto count = GnuGoAnswers::count(text)) {
        require(*count >= 0 && *count <= GnuGoAnswers::BoardSize * GnuGoAnswers::BoardSize);
    }
    return 0;
}
