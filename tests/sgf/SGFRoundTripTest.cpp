// Records written and read back, the exact text of one, and GNU Go loading the
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

SGFGameRecord baseRecord(std::int32_t handicap, const std::string& date, const std::string& result)
{
    return {.Komi = 6.5, .Handicap = handicap, .BlackName = "Ann ]\\[x]", .WhiteName = "GNU Go \\ 3.8", .Date = date,
            .MainTime = 600, .Overtime = "", .Result = result, .Rules = "Chinese", .Moves = {}};
}

// The game of a record's moves, replayed under hoshi's rules.
GTPGoGame replay(const SGFGameRecord& record)
{
    GTPGoGameInfo gameInfo(record.Handicap, 600);
    gameInfo.setKomi(static_cast<float>(record.Komi));
    GTPGoGame game(gameInfo, [] { return 0.0; });
    for (const GTPGoMove& move : record.Moves) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        EXPECT_TRUE(game.playMove(move, message) || game.IsGameOver()) << "code " << message;
    }
    return game;
}

// Seeded random games of accepted moves, ended by two passes or by a resignation;
// a ko taken and filled, then two passes; a handicap stone taken, then a resignation.
std::vector<SGFGameRecord> testGames()
{
    std::vector<SGFGameRecord> records;
    for (const auto& [seed, handicap, byPasses] : std::vector<std::tuple<int, std::int32_t, bool>>{
             {1, 0, true}, {2, 0, false}, {3, 2, true}, {4, 5, true}, {5, 9, false}, {6, 0, true}}) {
        records.push_back(baseRecord(handicap, "2024-05-0" + std::to_string(seed), byPasses ? "B+3.5" : "W+R"));
        GTPGoGame game = replay(records.back());
        RandomMoveDrawer drawer(static_cast<std::uint32_t>(seed));
        for (int attempt = 0; attempt < 300 && game.Turns().size() < 90; ++attempt) {
            const GTPGoMove move = drawer.draw(game);
            GTPGoMoveMessage message = GTPGoMessageNone;
            if (game.playMove(move, message)) {
                records.back().Moves.push_back(move);
            }
        }
        for (GTPGoMoveMessage message = GTPGoMessageNone; byPasses && !game.IsGameOver();) {
            records.back().Moves.push_back(GTPGoMove::pass(game.ColorToMove()));
            game.playMove(records.back().Moves.back(), message);
        }
    }
    records.push_back(baseRecord(0, "2024-06-01", ""));
    records.back().Moves = {b(1, 2), w(3, 3), b(2, 3), w(4, 2), b(2, 1), w(3, 1), b(9, 9), w(2, 2), b(3, 2),
                            w(9, 1), b(2, 2), GTPGoMove::pass(GTPGoColorWhite), GTPGoMove::pass(GTPGoColorBlack)};
    records.push_back(baseRecord(2, "2024-06-02", "W+R"));
    records.back().Moves = {w(3, 4), b(9, 9), w(3, 2), b(9, 8), w(2, 3), b(9, 7), w(4, 3)};
    return records;
}
}

TEST(SGFRoundTrip, games_read_back_as_written_and_gnu_go_loads_the_same_final_positions)
{
    GnuGoSession gnugo;
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("hoshi-sgf-test-" + std::to_string(getpid()) + ".sgf");
    for (const SGFGameRecord& record : testGames()) {
        SCOPED_TRACE(record.Date);
        const std::string text = SGFWriter::write(record);
        const SGFReadResult read = SGFReader::read(text);
        ASSERT_TRUE(read.Record) << read.Error.message() << "\n" << text;
        EXPECT_EQ(*read.Record, record) << text;
        std::ofstream(file) << text;
        ASSERT_EQ(gnugo.command("loadsgf " + file.string()).substr(0, 1), "=");
        EXPECT_EQ(gnugo.position(), replay(record).Board().Stones());
    }
    std::filesystem::remove(file);
}

TEST(SGFWriter, exact_text_of_a_small_record)
{
    // Columns H and J are X 8 and 9 ("h", "i"); row 9 is the top row "a".
    SGFGameRecord record = baseRecord(2, "2024-05-01", "W+R");
    record.Komi = 0.5;
    record.BlackName = "Ann";
    record.WhiteName = "Bo]b\\";
    record.Overtime = "1/5 byo-yomi";
    record.Application = "hoshi:1.0.0";
    record.Moves = {w(9, 9), b(1, 1), w(8, 2), GTPGoMove::pass(GTPGoColorBlack)};
    EXPECT_EQ(SGFWriter::write(record),
              "(;GM[1]FF[4]CA[UTF-8]AP[hoshi:1.0.0]SZ[9]KM[0.5]HA[2]AB[cg][gc]PB[Ann]PW[Bo\\]b\\\\]DT[2024-05-01]"
              "TM[600]OT[1/5 byo-yomi]RE[W+R]RU[Chinese]\n;W[ia];B[ai];W[hh];B[]\n)\n");
    for (const auto& [komi, text] : {std::pair(0.0, "KM[0]"), {7.0, "KM[7]"}, {6.5, "KM[6.5]"}, {-3.5, "KM[-3.5]"}}) {
        record.Komi = komi;
        EXPECT_NE(SGFWriter::write(record).find(std::string("SZ[9]") + text + "HA[2]"), std::string::npos) << komi;
    }
}
