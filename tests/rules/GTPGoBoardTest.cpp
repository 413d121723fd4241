#include "RulesTestSupport.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/GnuGo.h"
#include "tests/support/LogCapture.h"

#include <sstream>

TEST(GTPGoBoard, handicap_stones_stand_on_the_points_the_engine_is_given)
{
    for (std::int32_t handicap = 0; handicap <= 9; ++handicap) {
        std::istringstream vertices(handicapVertices(handicap));
        GTPGoBoard::StoneMap stones;
        for (std::string word; vertices >> word;) {
            stones[pointOf(word)] = static_cast<std::int32_t>(GTPGoColorBlack);
        }
        EXPECT_EQ(GTPGoBoard(9, handicap).Stones(), stones) << handicap;
    }
    LogCapture log;
    EXPECT_TRUE(GTPGoBoard(19, 2).Stones().empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"Don't know how to put 2 handicap stones on a 19x19 board!"});
}
