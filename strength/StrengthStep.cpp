#include "StrengthStep.h"

std::vector<std::string> StrengthStep::arguments() const
{
    std::vector<std::string> words = {"--level", std::to_string(Level)};
    if (MonteCarlo) {
        words.push_back("--monte-carlo");
        if (MonteCarloGames > 0) {
            words.insert(words.end(), {"--mc-games-per-level", std::to_string(MonteCarloGames)});
        }
    }
    return words;
}
