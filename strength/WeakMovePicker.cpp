#include "WeakMovePicker.h"

#include <algorithm>

WeakMovePicker::WeakMovePicker(double lossLimit, double probability, std::uint64_t seed)
    : m_LossLimit(lossLimit), m_Probability(probability), m_Random(seed)
{
}

bool WeakMovePicker::isLegal(const GTPGoMove& move, const GTPGoBoard& board, const std::optional<GTPGoPoint>& koPoint)
{
    if (!move.Point()) {
        return true;
    }
    const GTPGoPoint& point = *move.Point();
    if (!board.isOnBoard(point) || !board.isPointFree(point) || koPoint == point) {
        return false;
    }
    return !board.willCapture(move).empty() || !board.isSuicide(move);
}

GTPGoMove WeakMovePicker::pick(const std::vector<CandidateMove>& candidates, GTPGoColor color,
                               const GTPGoBoard& board, const std::optional<GTPGoPoint>& koPoint)
{
    // 1. GNU Go's best legal candidate; a pass when it is a pass or there is none.
    std::vector<CandidateMove> legal;
    std::ranges::copy_if(candidates, std::back_inserter(legal), [&](const CandidateMove& candidate) {
        return isLegal(GTPGoMove(color, candidate.Point, !candidate.Point), board, koPoint);
    });
    std::ranges::stable_sort(legal, std::ranges::greater(), &CandidateMove::Value);
    if (legal.empty() || !legal.front().Point) {
        return GTPGoMove::pass(color);
    }
    const CandidateMove best = legal.front();
    // 2. One draw a move, so that one seed makes the same choices whatever the lists hold.
    if (draw() >= m_Probability) {
        return GTPGoMove::stone(color, *best.Point);
    }
    // 3. The stone GNU Go values least within the limit: the limit says how much a weak move loses.
    std::optional<GTPGoPoint> weakest = best.Point;
    for (const CandidateMove& candidate : legal) {
        if (candidate.Point && best.Value - candidate.Value <= m_LossLimit) {
            weakest = candidate.Point;
        }
    }
    return GTPGoMove::stone(color, *weakest);
}

double WeakMovePicker::draw()
{
    // The top 53 bits make a double's whole mantissa.
    return static_cast<double>(m_Random() >> 11) * 0x1.0p-53;
}
