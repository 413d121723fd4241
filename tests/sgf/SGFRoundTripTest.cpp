// Records written and read back, the exact text of one, and GNU Go loading the
// written files to check the final positions.
#include "sgf/SGFReader.h"
#include "sgf/SGFWriter.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RandomMoveDrawer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace {
SGFGameRecord baseRecord(std::int32_t handicap, const std::string& date)
{
    SGFGameRecord record;
    record.Komi = 6.5;
    record.Handicap = handicap;
    record.BlackName = "Ann ]\\[x]";
    record.WhiteName = "GNU Go \\ 3.8";
    record.Date = date;
    record.MainTime = 600;
    record.Rules = "Chinese";
    return record;
}

// A seeded random game of accepted moves, ended by two passes or by a resignation.
SGFGameRecord randomGame(std::uint32_t seed, std::int32_t handicap, bool byPasses)
{
    constexpr int kMaxAttempts = 300;
    constexpr std::size_t kMaxTurns = 90;
    SGFGameRecord record = baseRecord(handicap, "2024-05-0" + std::to_string(seed));
    GTPGoGameInfo gameInfo(handicap, 600);
    gameInfo.setKomi(static_cast<float>(record.Komi));
    GTPGoGame game(gameInfo, [] { return 0.0; });
    RandomMoveDrawer drawer(seed);
    const auto play = [&](const GTPGoMove& move) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        if (game.playMove(move, message) || game.IsGameOver()) {
            record.Moves.push_back(move);
        }
    };
    for (int attempt = 0; attempt < kMaxAttempts && game.Turns().size() < kMaxTurns; ++attempt) {
        play(drawer.draw(game));
    }
    while (byPasses && !game.IsGameOver()) {
        play(GTPGoMove::pass(game.ColorToMove()));
    }
    std::ostringstream result;
    if (byPasses) {
        result << (game.Result()->WinnerColor() == GTPGoColorBlack ? "B+" : "W+") << game.Result()->Score();
    }
    record.Result = byPasses ? result.str() : "W+R";
    return record;
}

GTPGoMove b(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorBlack, {x, y}); }
GTPGoMove w(std::int32_t x, std::int32_t y) { return GTPGoMove::stone(GTPGoColorWhite, {x, y}); }

std::vector<SGFGameRecord> testGames()
{
    std::vector<SGFGameRecord> records;
    for (const auto& [seed, handicap, byPasses] : std::vector<std::tuple<std::uint32_t, std::int32_t, bool>>{
             {1, 0, true}, {2, 0, false}, {3, 2, true}, {4, 5, true}, {5, 9, false}, {6, 0, true}}) {
        records.push_back(randomGame(seed, handicap, byPasses));
    }
    // A ko taken at (3, 2) and filled, then two passes.
    records.push_back(baseRecord(0, "2024-06-01"));
    records.back().Moves = {b(1, 2), w(3, 3), b(2, 3), w(4, 2), b(2, 1), w(3, 1), b(9, 9), w(2, 2), b(3, 2),
                            w(9, 1), b(2, 2), GTPGoMove::pass(GTPGoColorWhite), GTPGoMove::pass(GTPGoColorBlack)};
    // White captures the handicap stone at (3, 3), then Black resigns.
    records.push_back(baseRecord(2, "2024-06-02"));
    records.back().Moves = {w(3, 4), b(9, 9), w(3, 2), b(9, 8), w(2, 3), b(9, 7), w(4, 3)};
    records.back().Result = "W+R";
    return records;
}

// The stones of one colour after the record's moves, as GTP vertices.
std::set<std::string> ourStones(const SGFGameRecord& record, GTPGoColor color)
{
    GTPGoGame game(GTPGoGameInfo(record.Handicap, 600), [] { return 0.0; });
    for (const GTPGoMove& move : record.Moves) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        EXPECT_TRUE(game.playMove(move, message) || game.IsGameOver()) << "code " << message;
    }
    std::set<std::string> vertices;
    for (const auto& [point, stone] : game.Board().Stones()) {
        if (stone == color) {
            vertices.insert(std::string(1, "ABCDEFGHJ"[point.X() - 1]) + std::to_string(point.Y()));
        }
    }
    return vertices;
}

std::set<std::string> gnuGoStones(ChildProcess& gnugo, const std::string& color)
{
    std::istringstream words(gnugo.command("list_stones " + color));
    std::set<std::string> vertices;
    for (std::string word; words >> word;) {
        vertices.insert(word);
    }
    EXPECT_EQ(vertices.count("="), 1u);
    vertices.erase("=");
    return vertices;
}
}

TEST(SGFRoundTrip, GamesReadBackAsWritten)
{
    for (const SGFGameRecord& record : testGames()) {
        const std::string text = SGFWriter::write(record);
        const SGFReadResult read = SGFReader::read(text);
        ASSERT_TRUE(read.Record) << read.Error.message() << "\n" << text;
        EXPECT_EQ(*read.Record, record) << text;
    }
}

TEST(SGFRoundTrip, ExactTextOfASmallRecord)
{
    // Columns H and J are X 8 and 9 ("h", "i"); row 9 is the top row "a".
    SGFGameRecord record = baseRecord(2, "2024-05-01");
    record.Komi = 0.5;
    record.BlackName = "Ann";
    record.WhiteName = "Bo]b\\";
    record.Overtime = "1/5 byo-yomi";
    record.Result = "W+R";
    record.Application = "hoshi:1.0.0";
    record.Moves = {w(9, 9), b(1, 1), w(8, 2), GTPGoMove::pass(GTPGoColorBlack)};
    EXPECT_EQ(SGFWriter::write(record),
              "(;GM[1]FF[4]CA[UTF-8]AP[hoshi:1.0.0]SZ[9]KM[0.5]HA[2]AB[cg][gc]PB[Ann]PW[Bo\\]b\\\\]DT[2024-05-01]"
              "TM[600]OT[1/5 byo-yomi]RE[W+R]RU[Chinese]\n;W[ia];B[ai];W[hh];B[]\n)\n");
    for (const auto& [komi, text] : std::vector<std::pair<double, std::string>>{
             {0, "KM[0]"}, {7, "KM[7]"}, {0.5, "KM[0.5]"}, {6.5, "KM[6.5]"}, {-3.5, "KM[-3.5]"}}) {
        record.Komi = komi;
        EXPECT_NE(SGFWriter::write(record).find("SZ[9]" + text + "HA[2]"), std::string::npos) << komi;
    }
}

TEST(SGFRoundTrip, GnuGoLoadsTheFinalPositions)
{
    const std::string path = findExecutable({"/usr/games/gnugo", "/usr/bin/gnugo"});
    ASSERT_FALSE(path.empty()) << "GNU Go is needed (Debian package gnugo; ./test.sh installs it)";
    ChildProcess gnugo({path, "--mode", "gtp"});
    ASSERT_TRUE(gnugo.isRunning());
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("hoshi-sgf-test-" + std::to_string(getpid()) + ".sgf");
    for (const SGFGameRecord& record : testGames()) {
        std::ofstream(file) << SGFWriter::write(record);
        ASSERT_EQ(gnugo.command("loadsgf " + file.string()).substr(0, 1), "=");
        EXPECT_EQ(gnuGoStones(gnugo, "black"), ourStones(record, GTPGoColorBlack)) << record.Date;
        EXPECT_EQ(gnuGoStones(gnugo, "white"), ourStones(record, GTPGoColorWhite)) << record.Date;
    }
    std::filesystem::remove(file);
}
