#include "EngineTestSupport.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

GTPGoGameInfo engineGame(std::int32_t handicap)
{
    // As the board sets it up against the engine: no main time, 5 s byo-yomi.
    GTPGoGameInfo info(handicap, 0);
    info.TimeSettings().setMainTime(0);
    info.TimeSettings().setByoYomi(5);
    info.TimeSettings().setNumberOfMovesPerByoYomi(1);
    return info;
}

}

TEST(GTPGoEngineWrapper, game_start_reaches_the_engine_byte_for_byte_for_each_handicap)
{
    const std::vector<std::pair<std::int32_t, std::vector<std::string>>> cases = {
        {0, {}},
        {1, {""}},
        {2, {"set_free_handicap  C3 G7"}},
        {5, {"set_free_handicap  C3 G7 G3 C7 E5"}},
        {9, {"set_free_handicap  C3 G7 G3 C7 E5 C5 G5 E3 E7"}},
    };
    for (const auto& [handicap, handicapLines] : cases) {
        WrapperUnderTest engine({"--genmove", "D4"});
        engine.wrapper->clearBoard();
        engine.wrapper->setGameInfo(engineGame(handicap));
        engine.wrapper->generateMove(GTPGoColorWhite, 4.9, 1);
        ASSERT_TRUE(engine.waitForMoves(1)) << "handicap " << handicap;

        std::vector<std::string> expected = {"clear_board", "boardsize 9", "clear_board", "komi 0.0",
                                             "time_settings 0 5 1"};
        expected.insert(expected.end(), handicapLines.begin(), handicapLines.end());
        expected.insert(expected.end(), {"time_left W 4 1", "genmove W"});
        EXPECT_THAT(engine.fake->receivedLines(), ElementsAreArray(expected)) << "handicap " << handicap;
        EXPECT_EQ(engine.moves.at(0), GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(4, 4)));
    }
}

TEST(GTPGoEngineWrapper, player_moves_and_passes_are_sent_as_play_lines)
{
    WrapperUnderTest engine({"--genmove", "C3"});
    engine.wrapper->playMove(GTPGoColorBlack, 8, 1);
    engine.wrapper->playMove(GTPGoColorWhite, 9, 9);
    engine.wrapper->pass(GTPGoColorWhite);
    {
        LogCapture log;
        engine.wrapper->pass(GTPGoColorEmpty);
        EXPECT_THAT(log.lines(), ElementsAre("Invalid color in GTPGoEngineWrapper pass!"));
    }
    engine.wrapper->generateMove(GTPGoColorBlack, 299.7, 0);
    ASSERT_TRUE(engine.waitForMoves(1));
    EXPECT_THAT(engine.fake->receivedLines(),
                ElementsAre("play B H1", "play W J9", "play W PASS", "time_left B 299 0", "genmove B"));
}

TEST(GTPGoEngineWrapper, engine_answers_become_moves_of_the_colour_asked)
{
    WrapperUnderTest engine({"--genmove", "D4", "--genmove", "J9", "--genmove", "a1", "--genmove", "PASS",
                             "--genmove", "pass", "--genmove", "Pass", "--genmove", "h8"});
    const GTPGoColor colours[] = {GTPGoColorBlack, GTPGoColorWhite, GTPGoColorBlack, GTPGoColorWhite,
                                  GTPGoColorBlack, GTPGoColorWhite, GTPGoColorBlack};
    // One request at a time, as in a game: the answer takes the colour last asked.
    for (std::size_t i = 0; i < std::size(colours); ++i) {
        engine.wrapper->generateMove(colours[i], 10, 0);
        ASSERT_TRUE(engine.waitForMoves(i + 1));
    }
    EXPECT_THAT(engine.moves,
                ElementsAre(GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(4, 4)),
                            GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(9, 9)),
                            GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(1, 1)), GTPGoMove::pass(GTPGoColorWhite),
                            GTPGoMove::pass(GTPGoColorBlack), GTPGoMove::pass(GTPGoColorWhite),
                            GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(8, 8))));
    EXPECT_EQ(engine.resigned->count(), 0);
}

TEST(GTPGoEngineWrapper, a_nineteen_line_board_reaches_column_t)
{
    WrapperUnderTest engine({"--genmove", "T19"});
    GTPGoGameInfo info = engineGame(0);
    info.setBoardSize(19);
    engine.wrapper->setGameInfo(info);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(engine.waitForMoves(1));
    EXPECT_EQ(engine.moves.at(0), GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(19, 19)));
    EXPECT_EQ(engine.fake->receivedLines().at(0), "boardsize 19");
}

TEST(GTPGoEngineWrapper, moves_off_the_board_or_malformed_are_logged_and_never_played)
{
    const char* bad[] = {"T19", "K5", "J10", "D0", "I5", "D", "D4x", "44", "-4", "D 4", "Z9"};
    QStringList options;
    for (const char* vertex : bad) {
        options << "--genmove" << vertex;
    }
    options << "--genmove" << "E5";
    WrapperUnderTest engine(options);
    LogCapture log;
    for (std::size_t i = 0; i <= std::size(bad); ++i) {
        engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    }
    ASSERT_TRUE(engine.waitForMoves(1));
    EXPECT_THAT(engine.moves, ElementsAre(GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(5, 5))));
    for (const char* vertex : bad) {
        EXPECT_TRUE(log.contains(std::string("not on the board: ") + vertex)) << vertex;
    }
}

TEST(GTPGoEngineWrapper, a_move_merged_with_empty_answers_in_one_read_is_not_lost)
{
    // The empty answers of "play" and "time_left" leave in the same write as the move.
    WrapperUnderTest engine({"--hold-until-genmove", "--genmove", "D4", "--genmove", "E5"});
    LogCapture log;
    engine.wrapper->playMove(GTPGoColorBlack, 3, 3);
    engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
    ASSERT_TRUE(engine.waitForMoves(1));
    engine.wrapper->playMove(GTPGoColorBlack, 6, 6);
    engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
    ASSERT_TRUE(engine.waitForMoves(2));
    EXPECT_THAT(engine.moves, ElementsAre(GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(4, 4)),
                                          GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(5, 5))));
    EXPECT_TRUE(log.contains("Read data: = \n\n= \n\n= D4\n\n"));
}

TEST(GTPGoEngineWrapper, an_answer_split_over_many_reads_is_played_once)
{
    WrapperUnderTest engine({"--split", "1", "--split-pause-ms", "5", "--genmove", "G3", "--genmove", "pass"});
    LogCapture log;
    engine.wrapper->generateMove(GTPGoColorBlack, 3, 1);
    engine.wrapper->generateMove(GTPGoColorBlack, 3, 1);
    ASSERT_TRUE(engine.waitForMoves(2));
    EXPECT_THAT(engine.moves,
                ElementsAre(GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(7, 3)), GTPGoMove::pass(GTPGoColorBlack)));
    // Every chunk read is logged, even a single byte.
    EXPECT_TRUE(log.contains("Read data: G"));
}

TEST(GTPGoEngineWrapper, carriage_returns_before_line_feeds_are_tolerated)
{
    WrapperUnderTest engine({"--crlf", "--hold-until-genmove", "--genmove", "C7", "--genmove", "PASS"});
    engine.wrapper->clearBoard();
    engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
    engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
    ASSERT_TRUE(engine.waitForMoves(2));
    EXPECT_THAT(engine.moves,
                ElementsAre(GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(3, 7)), GTPGoMove::pass(GTPGoColorWhite)));
}

TEST(GTPGoEngineWrapper, failures_and_bytes_that_are_not_utf8_play_nothing)
{
    WrapperUnderTest engine({"--fail", "play", "--fail", "time_left", "--genmove-raw", "? illegal move\n\n",
                             "--genmove", "\\xff\\xfe", "--genmove-raw", "=\n\n", "--genmove", "D5"});
    engine.wrapper->playMove(GTPGoColorBlack, 1, 1);
    for (int i = 0; i < 4; ++i) {
        engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
    }
    ASSERT_TRUE(engine.waitForMoves(1));
    EXPECT_THAT(engine.moves, ElementsAre(GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(4, 5))));
    EXPECT_EQ(engine.failed->count(), 0);
}

TEST(GTPGoEngineWrapper, resignation_in_any_case_is_announced_and_nothing_else)
{
    WrapperUnderTest engine({"--genmove", "resign", "--genmove", "RESIGN", "--genmove", "F6"});
    for (int i = 0; i < 3; ++i) {
        engine.wrapper->generateMove(GTPGoColorWhite, 3, 1);
    }
    ASSERT_TRUE(engine.waitForMoves(1));
    EXPECT_EQ(engine.resigned->count(), 2);
    EXPECT_THAT(engine.moves, ElementsAre(GTPGoMove::stone(GTPGoColorWhite, GTPGoPoint(6, 6))));
}

TEST(GTPGoEngineWrapper, empty_and_blank_commands_are_written_and_the_ones_after_them_too)
{
    WrapperUnderTest engine({"--genmove", "A9"});
    engine.wrapper->sendCommand(QString());
    engine.wrapper->sendCommand(QStringLiteral("   "));
    engine.wrapper->sendCommand(QStringLiteral("komi 0.0"));
    engine.wrapper->generateMove(GTPGoColorBlack, 0.9, 0);
    ASSERT_TRUE(engine.waitForMoves(1));
    EXPECT_THAT(engine.fake->receivedLines(), ElementsAre("", "   ", "komi 0.0", "time_left B 0 0", "genmove B"));
    EXPECT_EQ(engine.moves.at(0), GTPGoMove::stone(GTPGoColorBlack, GTPGoPoint(1, 9)));
}

TEST(GTPGoEngineWrapper, the_command_queue_hands_out_its_oldest_entry_first)
{
    WrapperUnderTest engine(std::optional<GTPEngineCommand>{});
    EXPECT_EQ(engine.wrapper->dequeueCommand(), QString());
    engine.wrapper->enqueueCommand(QStringLiteral("a\n"));
    engine.wrapper->enqueueCommand(QStringLiteral("b\n"));
    EXPECT_EQ(engine.wrapper->dequeueCommand(), QStringLiteral("a\n"));
    EXPECT_EQ(engine.wrapper->dequeueCommand(), QStringLiteral("b\n"));
    EXPECT_EQ(engine.wrapper->dequeueCommand(), QString());
}

TEST(GTPGoEngineWrapper, a_handler_may_destroy_the_wrapper_while_answers_remain)
{
    WrapperUnderTest engine({"--hold-until-genmove", "--genmove", "D4"});
    const auto pid = static_cast<pid_t>(engine.wrapper->processId());
    QObject::connect(engine.wrapper.get(), &GTPGoEngineWrapper::HasPlayed, [&engine] { engine.wrapper.reset(); });
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    engine.wrapper->generateMove(GTPGoColorBlack, 1, 0);
    ASSERT_TRUE(engine.played->wait(PatienceMilliseconds));
    EXPECT_EQ(engine.wrapper, nullptr);
    EXPECT_EQ(engine.moves.size(), 1u);
    EXPECT_FALSE(processExists(pid));
}
