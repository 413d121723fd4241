#include "MoveLoss.h"

#include <algorithm>

std::optional<double> MoveLoss::valueOf(const std::vector<CandidateMove>& candidates,
                                        const std::optional<GTPGoPoint>& played)
{
    const auto found = std::ranges::find(candidates, played, &CandidateMove::Point);
    return found == candidates.end() ? std::nullopt : std::optional<double>(found->Value);
}

double MoveLoss::loss(const std::vector<CandidateMove>& candidates, const std::optional<GTPGoPoint>& played)
{
    if (candidates.empty()) {
        return 0;
    }
    const auto [least, best] = std::ranges::minmax(candidates, {}, &CandidateMove::Value);
    return std::max(0.0, best.Value - valueOf(candidates, played).value_or(played ? least.Value : 0));
}
