// The weak steps' choice among GNU Go's candidates: within the limit, never an
// illegal move, a pass only where GNU Go would pass, the same under a seed.
#include "rules/GTPGoGame.h"
#include "strength/WeakMovePicker.h"
#include "tests/support/GnuGo.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

// White to play after Black took a ko at E4: D4 is the ko, C4 is occupied and A1 suicide for White.
std::unique_ptr<GTPGoGame> koPosition()
{
    auto game = std::make_unique<GTPGoGame>(GTPGoGameInfo());
    GTPGoMoveMessage refusal = GTPGoMessageNone;
    for (const char* at : {"C4", "E5", "D5", "E3", "D3", "F4", "A2", "J8", "B1", "D4", "E4"}) {
        EXPECT_TRUE(game->playMove(GTPGoMove::stone(game->ColorToMove(), pointOf(at)), refusal)) << at;
    }
    EXPECT_EQ(game->KoPoint(), pointOf("D4"));
    return game;
}

// "E4 12.5 PASS 3": candidates as GNU Go lists them.
std::vector<CandidateMove> candidates(const std::string& text)
{
    std::istringstream words(text);
    std::vector<CandidateMove> list;
    std::string at;
    double value = 0;
    while (words >> at >> value) {
        list.push_back({at == "PASS" ? std::nullopt : std::optional(pointOf(at)), value});
    }
    return list;
}

std::string shown(const GTPGoMove& move) { return move.Point() ? vertex(*move.Point()) : "pass"; }

} // namespace

// Each row draws 300 times: the moves seen are exactly the ones allowed, so a
// move that loses more than the limit, one less weak than the step asks, an
// illegal one or a stray pass shows.
TEST(WeakMovePicker, aWeakMoveLosesAtMostTheLimitAndIsNeverIllegalAndOnlyGnuGosPassIsAPass)
{
    const struct {
        const char* name;
        std::string candidates;
        double limit, probability;
        std::set<std::string> seen;
    } rows[] = {
        {"never weak: the best legal move", "D4 30 C4 28 A1 27 G6 20 G4 15 B8 5", 50, 0, {"G6"}},
        {"always weak, within 10", "D4 30 C4 28 A1 27 G6 20 G4 15 B8 5 PASS 3", 10, 1, {"G4"}},
        {"always weak, within 20, never a pass", "D4 30 C4 28 A1 27 G6 20 G4 15 B8 5 PASS 3", 20, 1, {"B8"}},
        {"sometimes weak", "G6 20 G4 15 B8 5", 20, 0.5, {"G6", "B8"}},
        {"nothing within the limit: the best", "G6 20 G4 15 B8 5", 2, 1, {"G6"}},
        {"listed in any order", "B8 5 G6 20 G4 15", 12, 1, {"G4"}},
        {"an illegal weaker move is passed over", "G6 20 G4 15 A1 12", 10, 1, {"G4"}},
        {"the ko, an occupied point and a suicide are all it has", "D4 30 C4 28 A1 27", 50, 1, {"pass"}},
        {"GNU Go passes", "PASS 10 G6 5", 100, 1, {"pass"}},
        {"nothing but a pass is left", "", 100, 1, {"pass"}},
    };
    const std::unique_ptr<GTPGoGame> game = koPosition();
    for (const auto& row : rows) {
        WeakMovePicker picker(row.limit, row.probability, static_cast<std::uint64_t>(&row - rows));
        std::set<std::string> seen;
        for (int draw = 0; draw < 300; ++draw) {
            seen.insert(shown(picker.pick(candidates(row.candidates), GTPGoColorWhite, game->Board(), game->KoPoint())));
        }
        EXPECT_EQ(seen, row.seen) << row.name;
    }
}

// One seed plays one game again; another seed plays another; the weak moves
// come about as often as the step says.
TEST(WeakMovePicker, aSeedRepeatsItsChoicesAndTheWeakMovesComeAsOftenAsTheProbabilitySays)
{
    const std::unique_ptr<GTPGoGame> game = koPosition();
    const std::vector<CandidateMove> list = candidates("G6 20 G4 15 B8 5");
    const auto picks = [&](std::uint64_t seed, double probability) {
        WeakMovePicker picker(30, probability, seed);
        std::string moves;
        for (int draw = 0; draw < 1000; ++draw) {
            moves += shown(picker.pick(list, GTPGoColorWhite, game->Board(), game->KoPoint())) + " ";
        }
        return moves;
    };
    EXPECT_EQ(picks(7, 0.3), picks(7, 0.3));
    EXPECT_NE(picks(7, 0.3), picks(8, 0.3));
    for (const double probability : {0.1, 0.3, 0.8}) {
        const std::string moves = picks(11, probability);
        std::size_t weak = 0;
        for (std::size_t at = moves.find("B8"); at != std::string::npos; at = moves.find("B8", at + 1)) {
            ++weak;
        }
        EXPECT_NEAR(static_cast<double>(weak) / 1000.0, probability, 0.05) << probability;
    }
}
