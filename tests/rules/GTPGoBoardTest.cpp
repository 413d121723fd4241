#include "RulesTestSupport.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/GnuGo.h"
#include "tests/support/LogCapture.h"

// The side given stones moves second: one stone is no handicap at all.
TEST(GTPGoBoard, handicap_stones_stand_on_the_points_the_engine_is_given_and_white_then_moves_first)
{
    for (std::int32_t handicap = 0; handicap <= 9; ++handicap) {
        GTPGoBoard::StoneMap stones;
        for (const std::string& word : vertexSet("= " + handicapVertices(handicap))) {
            stones[pointOf(word)] = static_cast<std::int32_t>(GTPGoColorBlack);
        }
        const GTPGoGame game(GTPGoGameInfo(handicap, 600));
        EXPECT_EQ(std::pair(game.Board().Stones(), game.ColorToMove()),
                  std::pair(stones, stones.empty() ? GTPGoColorBlack : GTPGoColorWhite)) << handicap;
    }
    LogCapture log;
    EXPECT_TRUE(GTPGoBoard(19, 2).Stones().empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"Don't know how to put 2 handicap stones on a 19x19 board!"});
}
