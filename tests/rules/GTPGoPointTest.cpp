#include "rules/GTPGoColor.h"
#include "rules/GTPGoPoint.h"

#include <gtest/gtest.h>

#include <unordered_map>

TEST(GTPGoColor, OppositeSwapsBlackAndWhiteAndKeepsEmpty)
{
    EXPECT_EQ(getOppositeColor(GTPGoColorBlack), GTPGoColorWhite);
    EXPECT_EQ(getOppositeColor(GTPGoColorWhite), GTPGoColorBlack);
    EXPECT_EQ(getOppositeColor(GTPGoColorEmpty), GTPGoColorEmpty);
}

TEST(GTPGoColor, NamesAndUnknownValues)
{
    EXPECT_EQ(getColorName(GTPGoColorBlack), "Black");
    EXPECT_EQ(getColorName(GTPGoColorWhite), "White");
    EXPECT_EQ(getColorName(GTPGoColorEmpty), "Empty");
    EXPECT_EQ(getColorName(7), "Unknown color");
    EXPECT_EQ(getColorName(-1), "Unknown color");
}

TEST(GTPGoPoint, NeighboursAreMadeEvenOffTheBoard)
{
    EXPECT_EQ(GTPGoPoint(1, 5).getGoPointLeft(), GTPGoPoint(0, 5));
    EXPECT_EQ(GTPGoPoint(5, 9).getGoPointAbove(), GTPGoPoint(5, 10));
    EXPECT_EQ(GTPGoPoint(9, 4).getGoPointRight(), GTPGoPoint(10, 4));
    EXPECT_EQ(GTPGoPoint(4, 1).getGoPointUnder(), GTPGoPoint(4, 0));
}

TEST(GTPGoPoint, EqualByValueWithTheHashXTimesThousandPlusY)
{
    const GTPGoPoint a(3, 7);
    const GTPGoPoint b(3, 7);
    const GTPGoPoint swapped(7, 3);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.hash(), 3007);
    EXPECT_EQ(b.hash(), 3007);
    EXPECT_NE(a, swapped);
    EXPECT_EQ(swapped.hash(), 7003);
    // Neighbours off the board still hash as signed values.
    EXPECT_EQ(GTPGoPoint(0, -1).hash(), -1);
    EXPECT_EQ(GTPGoPoint(-1, 5).hash(), -995);

    // A map keyed by points finds an entry through any equal copy.
    std::unordered_map<GTPGoPoint, int> map;
    map[a] = 1;
    GTPGoPoint copy = a;
    EXPECT_EQ(map.count(copy), 1u);
    copy.setY(8);
    EXPECT_EQ(map.count(copy), 0u);
    EXPECT_EQ(a, GTPGoPoint(3, 7));
}
