// GNU Go 3.8's analysis answers, as captured from it on 9 × 9 games, read into values.
#include "coach/GnuGoAnswers.h"
#include "tests/support/GnuGo.h"

#include <gtest/gtest.h>

#include <charconv>

namespace {

std::string number(double value)
{
    char digits[32];
    return {digits, std::to_chars(digits, digits + sizeof digits, value).ptr};
}

std::string place(const std::optional<GTPGoPoint>& point) { return point ? vertex(*point) : "PASS"; }

template <typename T, typename Word>
std::string words(const std::optional<T>& value, Word word)
{
    std::string text = value ? "" : "nothing";
    for (const auto& item : value.value_or(T())) {
        text += word(item) + " ";
    }
    return text;
}

// Each reader's value as one text: "nothing" when it refuses the answer.
std::string shown(const std::string& command, const std::string& text)
{
    if (command == "top_moves") {
        return words(GnuGoAnswers::topMoves(text), [](const CandidateMove& m) { return place(m.Point) + " " + number(m.Value); });
    }
    if (command == "findlib") {
        return words(GnuGoAnswers::points(text), vertex);
    }
    if (command == "initial_influence") { // probes: corners, stones of each colour, territory
        const auto map = GnuGoAnswers::influence(text);
        return words(map ? std::optional<std::vector<std::string>>({"A9", "J9", "D7", "E4", "A1", "G1", "J1"}) : std::nullopt,
                     [&](const std::string& at) { return at + "=" + std::to_string(map->at(pointOf(at))); });
    }
    if (command == "dragon_status") {
        const auto dragon = GnuGoAnswers::dragonStatus(text);
        const char* names[] = {"alive", "critical", "dead", "unknown"};
        return !dragon ? "nothing"
            : dragon->Status != DragonStatus::State::Critical ? names[static_cast<int>(dragon->Status)]
                                                                : "critical " + place(dragon->Attack) + " " + place(dragon->Defence);
    }
    const auto value = command == "estimate_score" ? GnuGoAnswers::lead(text) : GnuGoAnswers::experimentalScore(text);
    return value ? number(*value) : "nothing";
}

// Black to play; GNU Go's own seeded opening (level 10, seed 1).
const std::vector<std::string> kMiddleGame = {"B E5", "W D4", "B E4", "W D3", "B D5", "W E3", "B G3", "W G7", "B H4", "W D7", "B C5", "W B4"};
// Its initial_influence black influence_regions.
const std::string kInfluence = " 0  0  1  2  3  3  3  3  3 \n 0  0  1  2  3  3  3  3  3 \n 0  0  0  4  0  0  4  1  0 \n"
                               " 0 -2 -1  0 -1 -1  0  0 -1 \n 1  0 -4 -4 -4 -2 -1 -1 -1 \n 3  4  0  4 -4 -3 -2 -4 -2 \n"
                               " 3  3  1  4  4  0 -4 -3 -3 \n 3  3  3  3  0  0 -2 -3 -3 \n 3  3  3  3  0  0 -1 -3 -3 ";

} // namespace

TEST(GnuGoAnswers, answers_read_into_values_and_anything_else_into_nothing)
{
    struct Row { std::string command, text, value; };
    const std::string shorter = kInfluence.substr(0, kInfluence.size() - 3);
    const Row rows[] = {
        {"top_moves", "B5 12.98 C7 8.85 F2 7.07 F3 0.27 ", "B5 12.98 C7 8.85 F2 7.07 F3 0.27 "},
        {"top_moves", "", ""}, // nothing left but a pass
        {"top_moves", "= b5 12.98 pass 0.5\r\n", "B5 12.98 PASS 0.5 "},
        {"top_moves", "B5 12.98 C7", "nothing"},
        {"top_moves", "B5 12,98", "nothing"},
        {"top_moves", "B5 nan", "nothing"},
        {"top_moves", "B5 99999999999999999999.5", "nothing"},
        {"top_moves", "K10 5.0", "nothing"},
        {"top_moves", "? cannot generate", "nothing"},
        {"estimate_score", "W+20.0 (upper bound: 20.0, lower: 20.0)", "-20"},
        {"estimate_score", "B+3.5 (upper bound: -3.5, lower: -3.5)", "3.5"},
        {"estimate_score", "W+0.0 (upper bound: 0.0, lower: 0.0)", "0"},
        {"experimental_score", "7.0", "-7"},
        {"experimental_score", "0.0", "0"},
        {"findlib", "E6 D5 F5 E4", "E6 D5 F5 E4 "},
        {"dragon_status", "alive", "alive"},
        {"dragon_status", "critical C5 C5", "critical C5 C5"},
        {"dragon_status", "critical E9", "nothing"},
        {"dragon_status", "critical E9 D8 C7", "nothing"},
        {"initial_influence", kInfluence, "A9=0 J9=3 D7=4 E4=-4 A1=3 G1=-1 J1=-3 "},
        {"initial_influence", shorter + " 5", "nothing"},
        {"initial_influence", kInfluence + " 0", "nothing"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(shown(row.command, row.text), row.value) << row.command << " answered \"" << row.text << "\"";
    }
}

TEST(GnuGoAnswers, every_move_reason_line_names_its_move_then_its_points_in_order)
{
    using Kind = MoveReason::Kind;
    using Ko = MoveReason::Ko;
    struct Row { std::string line; Kind kind; std::string move; std::vector<std::string> points = {}; Ko ko = Ko::None; };
    const Row rows[] = {
        {"Move at C2 attacks D2", Kind::Attacks, "C2", {"D2"}},
        {"Move at G9 attacks F9 (defenseless) with good ko", Kind::Attacks, "G9", {"F9"}, Ko::Good},
        {"Move at G4 defends F5 with bad ko", Kind::Defends, "G4", {"F5"}, Ko::Bad},
        {"Move at C3 threatens to attack C4", Kind::ThreatensToAttack, "C3", {"C4"}},
        {"Move at H1 owl-attacks G3 with bad ko", Kind::OwlAttacks, "H1", {"G3"}, Ko::Bad},
        {"D4 found alive but not certainly, D3 defends it again", Kind::DefendsAgain, "D3", {"D4"}},
        {"Move at E4 either attacks E5 or attacks E3", Kind::AttacksEither, "E4", {"E5", "E3"}},
        {"Move at F7 both defends F6 and defends G5", Kind::DefendsBoth, "F7", {"F6", "G5"}},
        {"Move at B4 connects C7 and C4", Kind::Connects, "B4", {"C7", "C4"}},
        {"Move at D4 strategically attacks E5", Kind::StrategicallyAttacks, "D4", {"E5"}},
        {"Move at B5 expands territory", Kind::ExpandsTerritory, "B5"},
        {"Move at B3 strategically or tactically unsafe", Kind::Unsafe, "B3"},
        // A shape GNU Go can write that these games never provoked.
        {"Move at A2 owl-attacks B4 (captures A3)", Kind::OwlAttacks, "A2", {"B4", "A3"}},
        {"Move at E4 dances around E5 and I5", Kind::Other, "E4", {"E5"}},
    };
    std::string answer = "Move reasons:\n\n";
    std::vector<MoveReason> expected;
    for (const Row& row : rows) {
        std::vector<GTPGoPoint> points;
        std::ranges::transform(row.points, std::back_inserter(points), pointOf);
        expected.push_back({row.kind, pointOf(row.move), points, row.ko});
        EXPECT_EQ(GnuGoAnswers::moveReasons(row.line), std::vector{expected.back()}) << row.line;
        answer += row.line + "\r\n";
    }
    // A whole answer: the heading (written to stderr, but a merged stream shows it), lines out of the board.
    EXPECT_EQ(GnuGoAnswers::moveReasons(answer + "Move at K10 expands territory\nMove at E4 connects I5 and E3\nMove at\n"), expected);
    EXPECT_EQ(GnuGoAnswers::moveReasons("? invalid coordinate"), std::vector<MoveReason>());
}

// Real answers about one position hang together: GNU Go as its own referee.
TEST(GnuGoAnswers, a_real_gnugo_analysis_of_a_middle_game_reads_consistently)
{
    GnuGoSession gnugo({"--level", "10", "--seed", "1"});
    for (const std::string& move : kMiddleGame) {
        ASSERT_EQ(gnugo.command("play " + move), "= ") << move;
    }
    const GTPGoBoard::StoneMap stones = gnugo.position();
    const auto top = GnuGoAnswers::topMoves(body(gnugo.command("top_moves_black")));
    ASSERT_TRUE(top && !top->empty() && top->front().Point);
    EXPECT_TRUE(std::ranges::none_of(*top, [&](const CandidateMove& m) { return !m.Point || stones.contains(*m.Point); }));
    EXPECT_TRUE(std::ranges::is_sorted(*top, std::greater<>(), &CandidateMove::Value));
    const GTPGoPoint best = *top->front().Point;
    const auto reasons = GnuGoAnswers::moveReasons(body(gnugo.command("move_reasons " + vertex(best))));
    EXPECT_FALSE(reasons.empty());
    EXPECT_TRUE(std::ranges::all_of(reasons, [&](const MoveReason& reason) { return reason.Move == best; }));
    // experimental_score is the position's value plus that of the best move for the colour to play.
    const auto lead = GnuGoAnswers::lead(body(gnugo.command("estimate_score")));
    const auto experimental = GnuGoAnswers::experimentalScore(body(gnugo.command("experimental_score black")));
    ASSERT_TRUE(lead && experimental);
    EXPECT_NEAR(*experimental, *lead + top->front().Value, 0.5);

    const auto ownership = GnuGoAnswers::influence(body(gnugo.command("initial_influence black influence_regions")));
    ASSERT_TRUE(ownership);
    for (const auto& [point, color] : stones) {
        const std::string at = vertex(point);
        EXPECT_EQ(ownership->at(point), color == GTPGoColorWhite ? 4 : -4) << at;
        EXPECT_NE(GnuGoAnswers::dragonStatus(body(gnugo.command("dragon_status " + at))), std::nullopt) << at;
        const auto liberties = GnuGoAnswers::points(body(gnugo.command("findlib " + at)));
        ASSERT_TRUE(liberties) << at;
        EXPECT_EQ(GnuGoAnswers::count(body(gnugo.command("countlib " + at))), std::ssize(*liberties)) << at;
        EXPECT_TRUE(std::ranges::none_of(*liberties, [&](GTPGoPoint p) { return stones.contains(p); })) << at;
    }
}
