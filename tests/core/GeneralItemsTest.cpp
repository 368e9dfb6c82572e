#include "common/basGeneralItems.h"
#include "common/basTwips.h"

#include <gtest/gtest.h>

using namespace tralyx;

TEST(CentreFormOverMainTest, RoundsHalvesToEvenAndClampsAtZero)
{
    const std::tuple<udtTwipsRect, double, double, udtTwipsPosition> udtCases[] = {
        {{1000, 500, 9000, 7000}, 3000, 2000, {4000, 3000}},
        {{100, 101, 1005, 1007}, 0, 0, {602, 604}},  // 602.5 and 603.5 go to the even neighbour
        {{0, 0, 1001, 1003}, 0, 0, {500, 502}},
        {{0, 0, 4000, 6000}, 6000, 2000, {0, 2000}},  // wider than the main window at the screen's edge: 0, not negative
        {{0, 0, 2, 2}, 3, 2, {0, 0}},  // -0.5 rounds to -0 and so 0
    };
    for (const auto& [udtMain, dblWidth, dblHeight, udtExpected] : udtCases) {
        const udtTwipsPosition udtGot = CentreFormOverMain(udtMain, dblWidth, dblHeight);
        EXPECT_EQ(udtGot.Left, udtExpected.Left) << udtMain.Width;
        EXPECT_EQ(udtGot.Top, udtExpected.Top) << udtMain.Height;
    }
}

TEST(TwipsTest, RoundsHalvesToEvenSaturatesAndConvertsAtTheGivenDpi)
{
    EXPECT_EQ(RoundHalfEven(1e300), INT32_MAX);
    EXPECT_EQ(RoundHalfEven(-1e300), INT32_MIN);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    const std::tuple<double, double, int32_t> udtCases[] = {{1440, 96, 96}, {7935, 96, 529}, {285, 96, 19}, {120, 144, 12},
                                                            {7, 96, 0},     {8, 96, 1},      {-8, 96, -1},  {1440, 0, 96}};
    for (const auto& [dblTwips, dblDpi, lngPixels] : udtCases) EXPECT_EQ(TwipsToPixels(dblTwips, dblDpi), lngPixels) << dblTwips << " at " << dblDpi;
    EXPECT_EQ(PixelsToTwips(529, 96), 7935);
    EXPECT_EQ(PixelsToTwips(100, 120), 1200);
}
