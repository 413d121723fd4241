// Games written and read back, the exact text of one, and GNU Go loading the
// written files to check the final positions.
#include "sgf/SGFReader.h"
#include "sgf/SGFWriter.h"
#include "tests/support/GnuGo.h"
#include "tests/support/RandomMoveDrawer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
GTPGoMove b(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorBlack, {x, y}); }
GTPGoMove w(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorWhite, {x, y}); }

// A game as hoshi keeps it: its handicap, whether it is counted by area
// (else by stones, komi 0), moves, then those of a seeded random game
// (seed 0: none); how it ends (two passes: played); the result the file holds.
using Game = std::tuple<std::int32_t, bool, std::vector<GTPGoMove>, std::uint32_t, GTPGoGameEnd, std::string>;
constexpr GTPGoGameEnd kPasses = GTPGoGameEnd::TwoPasses;

const Game kGames[] = {
    {0, false, {}, 1, GTPGoGameEnd::Resignation, "W+R"},
    {2, false, {}, 2, GTPGoGameEnd::Time, "B+T"},
    {5, false, {}, 3, GTPGoGameEnd::Forfeit, "W+F"},
    {9, false, {}, 4, GTPGoGameEnd::Void, "Void"},
    {0, false, {}, 5, GTPGoGameEnd::None, "?"},
    // A handicap stone taken: four stones each, a draw.
    {2, false, {w(3, 4), b(9, 9), w(3, 2), b(9, 8), w(2, 3), b(9, 7), w(4, 3)}, 0, kPasses, "0"},
    // One stone holds the whole board, komi 7.
    {0, true, {b(5, 5)}, 0, kPasses, "B+74.0"},
};
}

TEST(SGFRoundTrip, games_end_in_the_file_as_they_ended_read_back_as_written_and_gnu_go_loads_their_positions)
{
    GnuGoSession gnugo;
    const std::string file = std::filesystem::temp_directory_path() / ("hoshi-sgf-" + std::to_string(getpid()));
    for (const auto& [handicap, area, moves, seed, end, result] : kGames) {
        GTPGoGameInfo info(handicap, 600);
        info.setCounting(area ? GTPGoCounting::Area : GTPGoCounting::Stones);
        GTPGoGame game(info, [] { return 0.0; });
        GTPGoMoveMessage message = GTPGoMessageNone;
        RandomMoveDrawer drawer(seed);
        for (std::size_t i = 0; i < moves.size() || (seed > 0 && i < 300 && game.Turns().size() < 90); ++i) {
            const bool given = i < moves.size();
            EXPECT_TRUE(game.playMove(given ? moves[i] : drawer.draw(game), message) || !given) << result << i;
        }
        for (int passes = 0; end == kPasses && !game.IsGameOver() && passes < 2; ++passes) {
            game.playMove(GTPGoMove::pass(game.ColorToMove()), message);
        }
        if (area) {
            game.acceptAreaCount({});
        } else if (end != kPasses) {
            // The winner that the result names; None: left unfinished.
            const GTPGoColor winner = result[0] == 'B' ? GTPGoColorBlack : GTPGoColorWhite;
            game.endGame(end, result[1] == '+' ? winner : GTPGoColorEmpty);
        }
        SGFGameRecord record = SGFGameRecord::fromGame(game);
        record.Rules = area ? "Chinese" : "";
        const std::string text = SGFWriter::write(record);
        const SGFReadResult read = SGFReader::read(text);
        ASSERT_EQ(read.Record, std::optional(record)) << read.Error.message() << "\n" << text;
        std::ofstream(file) << text;
        gnugo.command("loadsgf " + file);
        EXPECT_EQ(gnugo.position(), game.Board().Stones()) << text;
        // The game the file gives back ends as this one did.
        const auto back = read.Record->toGame(600);
        EXPECT_EQ(std::tuple(back->Board().Stones(), back->End(), back->Winner(), SGFGameRecord::resultText(*back)),
                  std::tuple(game.Board().Stones(), game.End(), game.Winner(), result))
            << text;
    }
    std::filesystem::remove(file);
}

// An analysed move keeps the file's own comment before the analysis's, and
// GNU Go still loads the file.
TEST(SGFWriter, exact_text_of_a_small_record_with_an_analysis)
{
    // Columns H and J are X 8 and 9 ("h", "i"); row 9 is the top row "a".
    SGFMoveNote first, passed;
    first.Value = -2.5;
    passed.Value = 0;
    passed.Comment = "Passed.";
    const SGFMoveNote mistake = {-11, 2, "A teacher's [note]\non two lines", "A1 lost about 8 points.", GTPGoPoint(5, 5), 8.5};
    const SGFGameRecord record = {.Komi = 0.5, .Handicap = 2, .BlackName = "Ann", .WhiteName = "Bo]b\\",
        .Date = "2024-05-01", .MainTime = 600, .Overtime = "1/5 byo-yomi", .Result = "W+R", .Rules = "Chinese",
        .Application = "hoshi:1.0.0", .Moves = {w(9, 9), b(1, 1), w(8, 2), GTPGoMove::pass(GTPGoColorBlack)},
        .Notes = {first, mistake, {}, passed}};
    const std::string text = SGFWriter::write(record);
    EXPECT_EQ(text,
              "(;GM[1]FF[4]CA[UTF-8]AP[hoshi:1.0.0]SZ[9]KM[0.5]HA[2]AB[cg][gc]PB[Ann]PW[Bo\\]b\\\\]DT[2024-05-01]"
              "TM[600]OT[1/5 byo-yomi]RE[W+R]RU[Chinese]\n;W[ia]V[-2.5]\n;B[ai]V[-11]BM[2]C[A teacher's [note\\]\non two "
              "lines\n\nA1 lost about 8 points.]TR[ee]HL[8.5]\n;W[hh];B[]V[0]C[Passed.]\n)\n");
    EXPECT_EQ(SGFReader::read(text).Record, std::optional(record));
    const std::string file = std::filesystem::temp_directory_path() / ("hoshi-notes-" + std::to_string(getpid()));
    std::ofstream(file) << text;
    GnuGoSession gnugo;
    EXPECT_EQ(gnugo.command("loadsgf " + file), "= white") << "White to play after the four moves";
    std::filesystem::remove(file);
}
